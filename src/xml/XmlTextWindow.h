#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xml/XmlTextFile.h"

namespace tessark {

// A document's text seen through a window that moves forward: a file is read in pieces into
// one buffer, so a text of hundreds of MB never has to be held (or its memory cleared) whole.
// The text is what ReadXmlTextFile makes of the file: bytes up to the first zero byte. A
// UTF-16 file, or one too large for a document, is read whole by ReadXmlTextFile instead.
class XmlTextWindow {
public:
    static constexpr size_t kDefaultSize = size_t{1} << 20;

    // Over a text held whole elsewhere, which must outlive the window.
    explicit XmlTextWindow(std::string_view text = {});
    // For a file to open; `size` is how much is read at a time (tests make it small).
    explicit XmlTextWindow(size_t size);
    ~XmlTextWindow();
    XmlTextWindow(const XmlTextWindow&) = delete;
    XmlTextWindow& operator=(const XmlTextWindow&) = delete;

    // Opens the file and reads its first piece. CannotOpen when it cannot be opened; a file
    // read whole may also give what ReadXmlTextFile gives.
    XmlReadResult Open(const std::string& path);

    // The text from Offset() on, as far as it has been read.
    std::string_view Text() const { return {data_, size_}; }
    size_t Offset() const { return offset_; }
    // Text() reaches the text's end.
    bool AtEnd() const { return atEnd_; }
    // The file's size when known before reading, else the text's.
    size_t SizeHint() const { return sizeHint_; }

    // Drops the text before `keep` (a position in Text()) and reads on. The buffer grows when
    // what is kept fills more than half of it, so a long tag is read in a time linear in its
    // length. Nothing happens at the end.
    void Advance(size_t keep);

    // Reads the rest of the file and says what ReadXmlTextFile would have said of the whole:
    // CannotOpen on a read error, BinaryData for a zero byte early in a long file.
    XmlReadResult Finish();
    // After Finish: the text's length.
    size_t TextLength() const { return textLength_; }

private:
    // Reads into the buffer after `size_` until it is full or the file ends.
    void Fill();
    // One read of at most `room` bytes into `at`; 0 once the file has ended or failed.
    size_t ReadPiece(char* at, size_t room);
    // Counts `count` fresh bytes at `at`; how many of them are text (none after a zero byte).
    size_t Take(const char* at, size_t count);

    std::string whole_;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0;
    const char* data_ = nullptr;
    size_t size_ = 0;
    size_t offset_ = 0;
    size_t sizeHint_ = 0;
    int file_ = -1;
    // Bytes read from the file, and where its text ended (at a zero byte or the file's end).
    uint64_t bytesRead_ = 0;
    size_t textLength_ = 0;
    bool textEnded_ = false;
    bool fileEnded_ = false;
    bool readFailed_ = false;
    bool atEnd_ = true;
};

}  // namespace tessark
