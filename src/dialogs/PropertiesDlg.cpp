#include "dialogs/PropertiesDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/DisplayText.h"
#include "dialogs/NumberSpinEdit.h"

namespace tessark {
namespace {

constexpr const char* kFieldNames[] = {"CountEdit", "ActionIdEdit", "UniqueIdEdit", "DoorIdEdit",
                                       "TextEdit",  "DestXEdit",    "DestYEdit",    "DestZEdit"};

std::optional<int64_t> NumberOf(const NumberSpinEdit& edit)
{
    const std::optional<int> value = edit.Value();
    return value ? std::optional<int64_t>(*value) : std::nullopt;
}

}  // namespace

CPropertiesDlg::CPropertiesDlg(ItemPropertiesEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor)
{
    setObjectName("PropertiesDlg");
    setWindowTitle("Properties");
    const ItemPropertiesForm& form = editor.Form();

    auto* fields = new QFormLayout;
    fields->addRow("Count:", AddNumber(PropertiesField::Count, form.count));
    Edit(PropertiesField::Count).setEnabled(form.countEnabled);
    fields->addRow("Action id:", AddNumber(PropertiesField::ActionId, form.actionId));
    fields->addRow("Unique id:", AddNumber(PropertiesField::UniqueId, form.uniqueId));
    doorLabel_ = new QLabel("Door id:", this);
    fields->addRow(doorLabel_, AddNumber(PropertiesField::DoorId, form.doorId));

    textLabel_ = new QLabel("Text:", this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(kFieldNames[static_cast<int>(PropertiesField::Text)]);
    // The widget keeps line feeds; the editor's field form has CR LF.
    text_->setPlainText(ToDisplayText(form.text).replace("\r\n", "\n"));
    text_->setEnabled(form.textEnabled);
    text_->setTabChangesFocus(true);

    teleport_ = new QGroupBox("Teleport:", this);
    auto* destination = new QFormLayout(teleport_);
    destination->addRow("X:", AddNumber(PropertiesField::DestX, form.destX));
    destination->addRow("Y:", AddNumber(PropertiesField::DestY, form.destY));
    destination->addRow("Z:", AddNumber(PropertiesField::DestZ, form.destZ));

    // One group shows: teleport, else door, else text.
    teleport_->setVisible(form.teleportMode);
    doorLabel_->setVisible(form.doorMode);
    Edit(PropertiesField::DoorId).setVisible(form.doorMode);
    textLabel_->setVisible(form.textMode);
    text_->setVisible(form.textMode);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertiesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertiesDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(textLabel_);
    layout->addWidget(text_);
    layout->addWidget(teleport_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

NumberSpinEdit* CPropertiesDlg::AddNumber(PropertiesField field, const std::optional<int64_t>& value)
{
    auto* edit = new NumberSpinEdit(this);
    edit->setObjectName(kFieldNames[static_cast<int>(field)]);
    const PropertiesRange range = editor_.Range(field);
    edit->SetSpinRange(static_cast<int>(range.minimum), static_cast<int>(range.maximum));
    edit->SetValue(static_cast<int>(value.value_or(0)));
    numbers_[static_cast<int>(field)] = edit;
    return edit;
}

NumberSpinEdit& CPropertiesDlg::Edit(PropertiesField field) const
{
    return *numbers_[static_cast<int>(field)];
}

ItemPropertiesForm CPropertiesDlg::Entered() const
{
    ItemPropertiesForm form = editor_.Form();
    form.count = NumberOf(Edit(PropertiesField::Count));
    form.actionId = NumberOf(Edit(PropertiesField::ActionId));
    form.uniqueId = NumberOf(Edit(PropertiesField::UniqueId));
    form.doorId = NumberOf(Edit(PropertiesField::DoorId));
    form.destX = NumberOf(Edit(PropertiesField::DestX));
    form.destY = NumberOf(Edit(PropertiesField::DestY));
    form.destZ = NumberOf(Edit(PropertiesField::DestZ));
    form.text = FromEditedText(editor_.Form().text, text_->toPlainText().replace("\n", "\r\n"));
    return form;
}

void CPropertiesDlg::accept()
{
    const std::optional<PropertiesProblem> problem = editor_.Submit(Entered());
    if (!problem) {
        QDialog::accept();
        return;
    }
    QMessageBox::warning(this, "Tessark", QString::fromStdString(problem->message));
    if (problem->field == PropertiesField::Text) {
        text_->setFocus();
        return;
    }
    NumberSpinEdit& edit = Edit(problem->field);
    edit.setFocus();
    edit.selectAll();
}

}  // namespace tessark
