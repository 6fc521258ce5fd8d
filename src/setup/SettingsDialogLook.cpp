// The settings dialog's last three pages: the read-out's colours and style
// with a blinking preview, the button colours, and the keyboard keys.

#include "SettingsDialog.h"

#include "ColorGrid.h"
#include "Display.h"
#include "Glyphs.h"
#include "Helpers.h"
#include "WidgetKit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A preview label in the desktop's font at `scale` of its size, as the main
// window's panel has it, made smaller until `widest` fits its place.
QLabel* PanelLabel(QWidget* panel, const char* name, const QString& text, const QRect& geometry,
                   double scale, const QStringList& widest = {},
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(
        PanelFont(scale, true, widest.isEmpty() ? QStringList{text} : widest, geometry.size()));
    label->setAlignment(align);
    return label;
}

QPixmap Swatch(const QColor& colour)
{
    QPixmap swatch(16, 11);
    swatch.fill(colour);
    return swatch;
}

// Eight exclusive colour buttons named prefix + n + suffix, in `box`.
QButtonGroup* ColourButtons(QWidget* owner, QGroupBox* box, const char* prefix, int current,
                            const std::function<QPixmap(int)>& picture)
{
    auto* group = new QButtonGroup(owner);
    auto* row = new QHBoxLayout(box);
    row->setSpacing(2);
    for (int n = 0; n < 8; ++n) {
        auto* button = new QToolButton(box);
        button->setObjectName(QLatin1String(prefix) + QString::number(n));
        button->setCheckable(true);
        button->setIcon(picture(n));
        button->setChecked(n == current);
        group->addButton(button, n);
        row->addWidget(button);
    }
    row->addStretch();
    return group;
}

} // namespace

QWidget* TSettingsDialog::BuildPreview()
{
    // The main window's read-out panel in small: six cells, the labels and
    // the four indicators, in the colours being chosen.
    Panel = new QWidget;
    Panel->setObjectName(QStringLiteral("Panel"));
    Panel->setFixedSize(300, 69);
    labels_[3] = PanelLabel(Panel, "AM_FM", QStringLiteral("FM"), QRect(4, 5, 30, 16), 1.1);
    labels_[4] = PanelLabel(Panel, "HZ", QStringLiteral("MHz"), QRect(4, 30, 32, 14), 0.9);
    const int cellLeft[6] = {36, 70, 104, 146, 180, 214};
    const char sample[] = "107900";
    for (std::size_t i = 0; i < Dig.size(); ++i) {
        auto* cell = new TDisplay(Panel);
        cell->setObjectName(QStringLiteral("Dig%1").arg(i + 1));
        cell->setGeometry(cellLeft[i], 3, 34, 46);
        cell->SetMargin(2);
        cell->SetDigit(sample[i]);
        Dig[i] = cell;
    }
    Point = new QWidget(Panel);
    Point->setObjectName(QStringLiteral("Point"));
    Point->setGeometry(139, 40, 6, 6);
    Tuned = PanelLabel(Panel, "Tuned", QStringLiteral("Tuned"), QRect(252, 4, 46, 13), 0.9);
    auto picture = [this](const char* name, const QRect& geometry) {
        auto* label = new QLabel(Panel);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(geometry);
        return label;
    };
    icMusicOnOff = picture("icMusicOnOff", QRect(254, 22, 11, 11));
    icAlarmOnOff = picture("icAlarmOnOff", QRect(269, 22, 11, 11));
    icSleepOnOff = picture("icSleepOnOff", QRect(284, 22, 11, 11));
    icProgOnOff = picture("icProgOnOff", QRect(262, 37, 26, 11));
    labels_[0] = PanelLabel(Panel, "StationNum", QStringLiteral("99"), QRect(4, 53, 26, 14), 0.9);
    labels_[1] =
        PanelLabel(Panel, "Station", QStringLiteral("Station"), QRect(32, 53, 178, 14), 0.9);
    labels_[2] = PanelLabel(Panel, "HHMMSS", QStringLiteral("11:22:33"), QRect(212, 53, 84, 14),
                            0.9, {}, Qt::AlignRight | Qt::AlignVCenter);
    return Panel;
}

QWidget* TSettingsDialog::BuildColorsPage()
{
    auto* page = new QWidget;
    const tSetupValues& v = model_.Values();
    BuildPreview()->setParent(page);

    auto* digits = new QGroupBox(tr("Digits"), page);
    oDigit = new TColorGrid(digits);
    oDigit->setObjectName(QStringLiteral("oDigit"));
    oDigit->SetForegroundIndex(v.Foreground);
    oDigit->SetBackgroundIndex(v.Background);
    (new QVBoxLayout(digits))->addWidget(oDigit);
    connect(oDigit, &TColorGrid::Change, this, [this] {
        model_.Plain().Foreground = oDigit->ForegroundIndex();
        model_.Plain().Background = oDigit->BackgroundIndex();
        ShowDigitColours();
    });

    auto* background = new QGroupBox(tr("Background"), page);
    oPanel = new TColorGrid(background);
    oPanel->setObjectName(QStringLiteral("oPanel"));
    oPanel->SetBackgroundEnabled(false);
    oPanel->SetForegroundIndex(v.ColorPanel);
    (new QVBoxLayout(background))->addWidget(oPanel);
    connect(oPanel, &TColorGrid::Change, this, [this] {
        model_.Plain().ColorPanel = oPanel->ForegroundIndex();
        ShowPanelColour();
    });

    auto* style = new QGroupBox(tr("Style"), page);
    auto* styleBox = new QVBoxLayout(style);
    auto* styles = new QButtonGroup(style);
    const int initialStyle = v.Style >= 0 && v.Style < 4 ? v.Style : 2; // as the read-out shows it
    const char* names[] = {"oSeg16", "oBulb5x7", "oDot5x7", "oSeg7"};
    const char* captions[] = {"Seg 16", "Bulb 5x7", "Dot 5x7", "Seg 7"};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(QLatin1String(captions[i]), style);
        radio->setObjectName(QLatin1String(names[i]));
        radio->setChecked(i == initialStyle);
        styles->addButton(radio, i);
        styleBox->addWidget(radio);
    }
    styleBox->addStretch();
    connect(styles, &QButtonGroup::idClicked, this, &TSettingsDialog::ShowStyle);

    auto* text = new QGroupBox(tr("Text"), page);
    textButtons_ = ColourButtons(this, text, "tbt", v.ColorText, [](int n) { return Swatch(LampColour(n)); });
    connect(textButtons_, &QButtonGroup::idClicked, this, [this](int n) {
        model_.Plain().ColorText = n;
        ShowTextColour();
    });
    auto* flags = new QGroupBox(tr("Flags"), page);
    flagButtons_ = ColourButtons(this, flags, "fbt", v.ColorFlag, [](int n) { return Swatch(LampColour(n)); });
    connect(flagButtons_, &QButtonGroup::idClicked, this, [this](int n) {
        model_.Plain().ColorFlag = n;
        blinkOn_ = !blinkOn_; // the next blink shows the new colour lit
        TimerTimer();
    });

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &TSettingsDialog::TimerTimer);
    Timer->start();

    auto* grids = new QHBoxLayout;
    for (QGroupBox* group : {digits, background, style}) grids->addWidget(group, 0, Qt::AlignTop);
    grids->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("Display preview"), page));
    layout->addWidget(Panel, 0, Qt::AlignHCenter);
    layout->addLayout(grids);
    layout->addWidget(text);
    layout->addWidget(flags);
    layout->addStretch();

    ShowStyle(initialStyle);
    ShowDigitColours();
    ShowPanelColour();
    ShowTextColour();
    TimerTimer();
    return page;
}

QColor TSettingsDialog::TextColour(bool bright) const
{
    const int lamp = LampColourIndex(model_.Values().ColorText, 15);
    return PaletteColour(bright ? lamp : DimColourIndex(lamp, 8));
}

void TSettingsDialog::ShowDigitColours()
{
    const tSetupValues& v = model_.Values();
    const QColor panel = PaletteColour(v.ColorPanel);
    for (TDisplay* cell : Dig) {
        cell->SetOffColor(UnlitColour(v.Background, v.Foreground, v.ColorPanel));
        cell->SetOnColor(PaletteColour(v.Foreground));
        cell->SetBackColor(panel);
        cell->SetPenOffColor(panel);
        cell->SetPenOnColor(panel);
    }
    SetFill(Point, PaletteColour(v.Foreground));
}

void TSettingsDialog::ShowPanelColour()
{
    const QColor panel = PaletteColour(model_.Values().ColorPanel);
    SetFill(Panel, panel);
    for (TDisplay* cell : Dig) {
        cell->SetBackColor(panel);
        cell->SetPenOffColor(panel);
        cell->SetPenOnColor(panel);
    }
    // The indicators' black shows the panel colour from the next blink on;
    // show it at once.
    blinkOn_ = !blinkOn_;
    TimerTimer();
}

void TSettingsDialog::ShowStyle(int style)
{
    model_.Plain().Style = style;
    const TReadoutStyle look = ReadoutStyle(style);
    for (TDisplay* cell : Dig) {
        cell->SetDigitStyle(look.Style);
        cell->SetSegWidth(look.SegWidth);
    }
}

void TSettingsDialog::ShowTextColour()
{
    for (QLabel* label : labels_) SetTextColour(label, TextColour(true));
    SetTextColour(Tuned, TextColour(blinkOn_));
}

void TSettingsDialog::TimerTimer()
{
    blinkOn_ = !blinkOn_;
    const tSetupValues& v = model_.Values();
    SetTextColour(Tuned, TextColour(blinkOn_));
    const QColor panel = PaletteColour(v.ColorPanel);
    const std::pair<QLabel*, const char*> indicators[] = {
        {icProgOnOff, "PROG"}, {icAlarmOnOff, "ALARM"}, {icMusicOnOff, "RADIO"}, {icSleepOnOff, "SLEEP"}};
    for (const auto& [label, base] : indicators)
        label->setPixmap(RecolourBlack(
            glyphs_->Pixmap(TGlyphs::IndicatorName(QLatin1String(base), v.ColorFlag, blinkOn_)), panel));
}

QWidget* TSettingsDialog::BuildButtonsPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const struct {
        tButtonRow row;
        const char* label;
        const char* prefix;
        const char* suffix;
    } rows[] = {
        {brGeneric, QT_TR_NOOP("Generic button"), "gbt", ""},
        {brFavFM, QT_TR_NOOP("Preset assigned (FM)"), "abt", "FM"},
        {brFavAM, QT_TR_NOOP("Preset assigned (AM)"), "abt", "AM"},
        {brNotAssigned, QT_TR_NOOP("Preset not assigned"), "nbt", ""},
    };
    for (const auto& r : rows) {
        const int line = int(r.row) * 2;
        grid->addWidget(new QLabel(tr(r.label), page), line, 0, 1, 9);
        auto* group = new QButtonGroup(page);
        for (int n = 0; n < 8; ++n) {
            auto* button = new QToolButton(page);
            // The colour number is the name's fourth character: "abt3FM".
            button->setObjectName(QLatin1String(r.prefix) + QString::number(n) + QLatin1String(r.suffix));
            button->setCheckable(true);
            button->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(n, true)));
            group->addButton(button, n);
            grid->addWidget(button, line + 1, n);
            colourButtons_[std::size_t(r.row)][std::size_t(n)] = button;
        }
        connect(group, &QButtonGroup::idClicked, this, [this, row = r.row](int n) { ButtonColourClick(row, n); });
        auto* active = new QLabel(page);
        auto* inactive = new QLabel(page);
        buttonPreviews_[std::size_t(r.row)] = {active, inactive};
        auto* pair = new QHBoxLayout;
        for (auto [picture, caption] : {std::pair{active, QT_TR_NOOP("Active")}, std::pair{inactive, QT_TR_NOOP("Not active")}}) {
            pair->addWidget(picture);
            pair->addWidget(new QLabel(tr(caption), page));
        }
        pair->addStretch();
        grid->addLayout(pair, line + 1, 9);
    }
    grid->setRowStretch(int(std::size(rows)) * 2, 1);
    for (const auto& r : rows) ShowButtonRow(r.row);
    return page;
}

void TSettingsDialog::ButtonColourClick(tButtonRow row, int colour)
{
    model_.SetButtonColour(row, colour);
    for (tButtonRow r : {brGeneric, brFavFM, brFavAM, brNotAssigned}) ShowButtonRow(r);
}

void TSettingsDialog::ShowButtonRow(tButtonRow row)
{
    const int colour = model_.Values().ButtonColours[std::size_t(row)];
    for (int n = 0; n < 8; ++n) {
        QToolButton* button = colourButtons_[std::size_t(row)][std::size_t(n)];
        button->setChecked(n == colour);
        button->setEnabled(model_.ButtonColourEnabled(row, n));
    }
    buttonPreviews_[std::size_t(row)].first->setPixmap(glyphs_->Pixmap(TGlyphs::ButtonName(colour, true)));
    buttonPreviews_[std::size_t(row)].second->setPixmap(glyphs_->Pixmap(TGlyphs::ButtonName(colour, false)));
}

QWidget* TSettingsDialog::BuildKeysPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const QString choices = TSetupModel::KeyChoices();
    for (std::size_t i = 0; i < KeyCommands.size(); ++i) {
        const tKeyCommand& command = KeyCommands[i];
        auto* list = new QComboBox(page);
        list->setObjectName(QLatin1String(command.Name));
        list->setMaxVisibleItems(16);
        for (const QChar c : choices) list->addItem(c == QLatin1Char(' ') ? tr("Space") : QString(c), c);
        keyLists_[i] = list;
        // Three columns keep the page low enough for a small screen.
        const int row = int(i) / 3, column = int(i) % 3 * 3;
        grid->addWidget(new QLabel(tr(command.Label), page), row, column);
        grid->addWidget(list, row, column + 1);
        connect(list, &QComboBox::currentIndexChanged, this, [this, i] { CmdChange(i); });
    }
    for (int gap : {2, 5})
        grid->setColumnMinimumWidth(gap, 24);
    auto* btDefault = new QPushButton(tr("Reset to default"), page);
    btDefault->setObjectName(QStringLiteral("btDefault"));
    connect(btDefault, &QPushButton::clicked, this, [this] {
        model_.ResetKeys();
        ShowKeys();
    });
    grid->addWidget(btDefault, (int(KeyCommands.size()) + 2) / 3, 6, 1, 2);
    grid->setRowStretch((int(KeyCommands.size()) + 2) / 3 + 1, 1);
    ShowKeys();
    return page;
}

void TSettingsDialog::CmdChange(std::size_t command)
{
    QComboBox* list = keyLists_[command];
    const int position = KeyCommands[command].Position;
    // A key another command has is refused: the list shows its own again.
    if (!model_.SetKey(position, list->currentData().toChar())) {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(list->findData(model_.Key(position)));
    }
}

void TSettingsDialog::ShowKeys()
{
    for (std::size_t i = 0; i < KeyCommands.size(); ++i) {
        const QSignalBlocker blocker(keyLists_[i]);
        keyLists_[i]->setCurrentIndex(keyLists_[i]->findData(model_.Key(KeyCommands[i].Position)));
    }
}
