#include "dialogs/TownProperties.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <iterator>

#include "app/DisplayText.h"
#include "dialogs/NumberSpinEdit.h"
#include "dialogs/SettingsWidgets.h"

namespace tessark {

CTownProperties::CTownProperties(TownSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings)
{
    setObjectName("TownProperties");
    setWindowTitle("Town settings");

    townBox_ = new QComboBox(this);
    townBox_->setObjectName("TownBox");
    townBox_->setMinimumContentsLength(24);
    id_ = new QLabel(this);
    id_->setObjectName("TownId");
    name_ = new QLineEdit(this);
    name_->setObjectName("NameEdit");
    auto* rows = new QFormLayout;
    rows->addRow("Town:", townBox_);
    rows->addRow("Id:", id_);
    rows->addRow("Name:", name_);

    numbers_[1] = MakeSettingsNumber(SettingsField::X, "TempleXEdit", this);
    numbers_[2] = MakeSettingsNumber(SettingsField::Y, "TempleYEdit", this);
    numbers_[3] = MakeSettingsNumber(SettingsField::Z, "TempleZEdit", this);
    auto* temple = new QGroupBox("Temple:", this);
    auto* templeRow = new QHBoxLayout(temple);
    for (int i = 1; i <= 3; ++i) {
        templeRow->addWidget(new QLabel(QString("XYZ"[i - 1]) + ":", temple));
        templeRow->addWidget(numbers_[i]);
    }

    save_ = new QPushButton("Save", this);
    delete_ = new QPushButton("Delete", this);
    add_ = new QPushButton("Add", this);
    close_ = new QPushButton("Close", this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {save_, delete_, add_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(close_);
    close_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(temple);
    layout->addLayout(buttons);

    QWidget* chain[] = {townBox_, name_, numbers_[1], numbers_[2], numbers_[3],
                        save_, delete_, add_, close_};
    for (size_t i = 1; i < std::size(chain); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    name_->setFocus();

    connect(townBox_, &QComboBox::currentIndexChanged, this, [this](int line) {
        settings_.ChooseTown(line);
        Refresh();
    });
    connect(name_, &QLineEdit::textEdited, this, [this] {
        settings_.EditName(Entered().name);
        add_->setEnabled(settings_.Controls().add);
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        if (!Refused(settings_.Save(Entered()))) {
            Refresh();
        }
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        if (!Refused(settings_.Add(Entered()))) {
            Refresh();
        }
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        settings_.Delete();
        Refresh();
    });
    connect(close_, &QPushButton::clicked, this, &CTownProperties::accept);
    Refresh();
}

NumberSpinEdit& CTownProperties::Edit(SettingsField field) const
{
    return *numbers_[static_cast<int>(field)];
}

void CTownProperties::Refresh()
{
    ShowLines(*townBox_, settings_.TownLines(), settings_.TownLine());
    id_->setText(QString::fromStdString(settings_.IdText()));
    const TownSettingsForm& form = settings_.Form();
    {
        const QSignalBlocker quiet(name_);
        name_->setText(ToDisplayText(form.name));
    }
    ShowNumber(Edit(SettingsField::X), form.templeX);
    ShowNumber(Edit(SettingsField::Y), form.templeY);
    ShowNumber(Edit(SettingsField::Z), form.templeZ);
    const TownSettingsControls enabled = settings_.Controls();
    townBox_->setEnabled(enabled.townBox);
    save_->setEnabled(enabled.save);
    delete_->setEnabled(enabled.remove);
    add_->setEnabled(enabled.add);
}

TownSettingsForm CTownProperties::Entered() const
{
    TownSettingsForm form;
    form.name = FromEditedText(settings_.Form().name, name_->text());
    form.templeX = NumberIn(Edit(SettingsField::X));
    form.templeY = NumberIn(Edit(SettingsField::Y));
    form.templeZ = NumberIn(Edit(SettingsField::Z));
    return form;
}

bool CTownProperties::Refused(const std::optional<SettingsProblem>& problem)
{
    if (!problem) {
        return false;
    }
    QWidget* field = problem->field == SettingsField::Name ? static_cast<QWidget*>(name_)
                                                           : &Edit(problem->field);
    WarnRefused(this, *problem, *field);
    return true;
}

}  // namespace tessark
