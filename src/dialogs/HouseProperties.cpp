#include "dialogs/HouseProperties.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <iterator>

#include "app/DisplayText.h"
#include "dialogs/NumberSpinEdit.h"
#include "dialogs/SettingsWidgets.h"

namespace tessark {

CHouseProperties::CHouseProperties(HouseSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings)
{
    setObjectName("HouseProperties");
    setWindowTitle("House settings");

    townFilter_ = new QComboBox(this);
    townFilter_->setObjectName("TownFilter");
    houseBox_ = new QListWidget(this);
    houseBox_->setObjectName("HouseBox");
    houseBox_->setMinimumHeight(120);
    name_ = new QLineEdit(this);
    name_->setObjectName("NameEdit");
    auto* lists = new QFormLayout;
    lists->addRow("Town:", townFilter_);
    lists->addRow("House:", houseBox_);
    lists->addRow("Name:", name_);

    numbers_[1] = MakeSettingsNumber(SettingsField::X, "EntryXEdit", this);
    numbers_[2] = MakeSettingsNumber(SettingsField::Y, "EntryYEdit", this);
    numbers_[3] = MakeSettingsNumber(SettingsField::Z, "EntryZEdit", this);
    numbers_[4] = MakeSettingsNumber(SettingsField::Cost, "CostEdit", this);
    auto* entry = new QGroupBox("Entry:", this);
    auto* entryRow = new QHBoxLayout(entry);
    for (int i = 1; i <= 3; ++i) {
        entryRow->addWidget(new QLabel(QString("XYZ"[i - 1]) + ":", entry));
        entryRow->addWidget(numbers_[i]);
    }
    houseTown_ = new QComboBox(this);
    houseTown_->setObjectName("HouseTown");
    auto* rent = new QGroupBox("Rent:", this);
    auto* rentRows = new QFormLayout(rent);
    rentRows->addRow("Town:", houseTown_);
    rentRows->addRow("Cost:", numbers_[4]);

    save_ = new QPushButton("Save", this);
    delete_ = new QPushButton("Delete", this);
    add_ = new QPushButton("Add", this);
    select_ = new QPushButton("Select", this);
    close_ = new QPushButton("Close", this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {save_, delete_, add_, select_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    close_->setDefault(true);
    auto* closeRow = new QHBoxLayout;
    closeRow->addWidget(new QLabel("To select a house to edit press Select.", this), 1);
    closeRow->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(entry);
    layout->addWidget(rent);
    layout->addLayout(buttons);
    layout->addLayout(closeRow);

    // The fields in reading order, the buttons after them; a new name is what one types first.
    QWidget* chain[] = {townFilter_, houseBox_, name_, numbers_[1], numbers_[2], numbers_[3],
                        houseTown_, numbers_[4], save_, delete_, add_, select_, close_};
    for (size_t i = 1; i < std::size(chain); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    name_->setFocus();

    connect(townFilter_, &QComboBox::currentIndexChanged, this, [this](int line) {
        settings_.ChooseFilter(line);
        Refresh();
    });
    connect(houseBox_, &QListWidget::currentRowChanged, this, [this](int line) {
        settings_.ChooseHouse(line);
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
    connect(select_, &QPushButton::clicked, this, &CHouseProperties::OnSelect);
    connect(close_, &QPushButton::clicked, this, &CHouseProperties::accept);
    Refresh();
}

NumberSpinEdit& CHouseProperties::Edit(SettingsField field) const
{
    return *numbers_[static_cast<int>(field)];
}

void CHouseProperties::Refresh()
{
    ShowLines(*townFilter_, settings_.FilterLines(), settings_.FilterLine());
    ShowLines(*houseBox_, settings_.HouseLines(), settings_.HouseLine());
    ShowLines(*houseTown_, settings_.TownLines(), settings_.Form().townLine);
    const HouseSettingsForm& form = settings_.Form();
    {
        const QSignalBlocker quiet(name_);
        name_->setText(ToDisplayText(form.name));
    }
    ShowNumber(Edit(SettingsField::X), form.entryX);
    ShowNumber(Edit(SettingsField::Y), form.entryY);
    ShowNumber(Edit(SettingsField::Z), form.entryZ);
    ShowNumber(Edit(SettingsField::Cost), form.cost);
    const HouseSettingsControls enabled = settings_.Controls();
    townFilter_->setEnabled(enabled.townFilter);
    houseBox_->setEnabled(enabled.houseBox);
    houseTown_->setEnabled(enabled.houseTown);
    save_->setEnabled(enabled.save);
    delete_->setEnabled(enabled.remove);
    add_->setEnabled(enabled.add);
    select_->setEnabled(enabled.select);
}

HouseSettingsForm CHouseProperties::Entered() const
{
    HouseSettingsForm form;
    // A name left alone keeps bytes that are not UTF-8.
    form.name = FromEditedText(settings_.Form().name, name_->text());
    form.entryX = NumberIn(Edit(SettingsField::X));
    form.entryY = NumberIn(Edit(SettingsField::Y));
    form.entryZ = NumberIn(Edit(SettingsField::Z));
    form.cost = NumberIn(Edit(SettingsField::Cost));
    form.townLine = houseTown_->currentIndex();
    return form;
}

bool CHouseProperties::Refused(const std::optional<SettingsProblem>& problem)
{
    if (!problem) {
        return false;
    }
    QWidget* field = problem->field == SettingsField::Name ? static_cast<QWidget*>(name_)
                                                           : &Edit(problem->field);
    WarnRefused(this, *problem, *field);
    return true;
}

void CHouseProperties::OnSelect()
{
    std::optional<HouseSettings::Picked> picked;
    if (Refused(settings_.Select(Entered(), picked))) {
        return;
    }
    if (picked) {
        picked_ = picked;
        accept();
    }
}

}  // namespace tessark
