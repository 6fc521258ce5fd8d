// The presets bank: one hundred stored stations, ten on the buttons at a
// time, the current preset, store and clear through MEM and CLR, and the two
// "Presets" submenus that list every stored station by name.

#include "MainWindow.h"

#include "Glyphs.h"
#include "Helpers.h"
#include "Prompts.h"
#include "TrayIcon.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSlider>
#include <QToolButton>

namespace {

constexpr int MaxNameChars = 40;

// A station name as a menu caption: "&" is a plain character there.
QString MenuCaption(const QString& name)
{
    QString caption = name;
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// f lies within lo..hi, ends included as they print.
bool Within(double f, double lo, double hi)
{
    return (f >= lo || SameFrequency(f, lo)) && (f <= hi || SameFrequency(f, hi));
}

} // namespace

QString TMainWindow::PresetItemCaption(int n) const
{
    // A preset without a name is listed by its number and frequency.
    const tPreset& slot = settings_.Presets[n];
    if (!slot.Name.trimmed().isEmpty()) return MenuCaption(slot.Name);
    return PresetNumText(n) + QStringLiteral("  ") +
           FrequencyHint(slot.Band == 0 ? bAM : bFM, slot.Frequency);
}

QString TMainWindow::SlotHint(int n) const
{
    const tPreset& slot = settings_.Presets[n];
    QString text = FrequencyHint(slot.Band == 0 ? bAM : bFM, slot.Frequency);
    if (!slot.Name.isEmpty()) text += QStringLiteral(" (") + slot.Name + QLatin1Char(')');
    return text;
}

bool TMainWindow::SlotReceivable(int n) const
{
    const tPreset& slot = settings_.Presets[n];
    if (slot.Band == 0) return card_->Caps().HasAM;
    return card_->JapaneseFM() ? Within(slot.Frequency, JapaneseFMLow, JapaneseFMHigh)
                               : Within(slot.Frequency, FMLow, FMHigh);
}

void TMainWindow::SetButtonGlyph(int n, bool on)
{
    if (n < 1 || n > tPresets::Count || RowOf(n) != presetRow_) return;
    const tPreset& slot = settings_.Presets[n];
    const int colour = !slot.Used ? settings_.ColorFavNotAssButton
                       : slot.Band == 0 ? settings_.ColorFavAssButtonAM
                                        : settings_.ColorFavAssButtonFM;
    btRadio[std::size_t(PosOf(n) - 1)]->setIcon(glyphs_->Pixmap(TGlyphs::ButtonName(colour, on)));
}

void TMainWindow::ShowPresetRow()
{
    for (int k = 1; k <= 10; ++k) {
        const int n = PresetOfButton(k);
        QToolButton* button = btRadio[std::size_t(k - 1)];
        button->setText(PresetNumText(n));
        SetButtonGlyph(n, false);
        button->setToolTip(settings_.Presets[n].Used ? SlotHint(n) : QString());
    }
    if (currentPreset_ != 0 && RowOf(currentPreset_) == presetRow_) SetButtonGlyph(currentPreset_, true);
}

void TMainWindow::SetCurrentPreset(int n)
{
    currentPreset_ = n;
    SetItemsEnabled("Stations_Clear", n != 0);
    ShowCommandState();
}

void TMainWindow::ShowSlot(int n)
{
    const tPreset& slot = settings_.Presets[n];
    SetStationName(slot.Name);
    StationNum->setText(QString::number(n));
    UncheckPresetItems();
    CheckPresetItems(n);
    SetButtonGlyph(n, true);
    const QString hint = SlotHint(n);
    if (RowOf(n) == presetRow_) btRadio[std::size_t(PosOf(n) - 1)]->setToolTip(hint);
    ShowCaption(hint);
}

void TMainWindow::ShowCaption(const QString& station)
{
    // A card that is not open tunes nothing: no frequency is named then.
    const QString text = card_->Active() ? station : QString();
    setWindowTitle(text.isEmpty() ? QStringLiteral("Vantoro")
                                  : QStringLiteral("Vantoro - ") + text);
    captionTip_ = text.isEmpty() ? QStringLiteral("Vantoro") : text;
    SetTrayTip(rdsHintLines_.isEmpty() ? captionTip_ : captionTip_ + QLatin1Char('\n') + rdsHintLines_);
}

void TMainWindow::RecallPreset(int n, bool tune)
{
    if (n < 1 || n > tPresets::Count) return;
    tPreset& slot = settings_.Presets[n];
    const tBand band = slot.Band == 0 ? bAM : bFM;
    const tDevCap& caps = card_->Caps();
    if (band == bFM) {
        if (!caps.HasFM) return;
        if (!Within(slot.Frequency, card_->FMMin(), card_->FMMax())) {
            TuneTo(bFM, false, card_->FMMin());
            return;
        }
    } else {
        if (!caps.HasAM) return;
        if (!Within(slot.Frequency, card_->AMMin(), card_->AMMax())) {
            TuneTo(bAM, false, card_->AMMin());
            return;
        }
    }

    const int previous = currentPreset_;
    if (previous != 0 && previous != n) {
        settings_.Presets[previous].Current = 0;
        SetButtonGlyph(previous, false);
    }
    slot.Current = 1;
    // The row shown, not the previous preset's row: the user may have paged
    // away from it, and the lit button must be the one of n.
    if (RowOf(n) != presetRow_) {
        presetRow_ = RowOf(n);
        ShowPresetRow();
    }
    SetCurrentPreset(n);

    if (card_->Band() != band) SetBandDisplay(band);
    const double snapped = SnapToBand(band, slot.Frequency);
    if (tune && recorder_) AskTuningAway(band, snapped);
    // The displays once the card is there, with its signal when it tuned.
    auto show = [this, n, snapped](std::optional<int> status) {
        SetBandButtons(card_->Band());
        SetFrequencySlider(snapped);
        if (status) SetTunedLabel(*status);
        UpdateEdgeControls();
        UpdateReadout();
        EnableMemoryItems();
        ShowSlot(n);
    };
    if (!tune) {
        show(std::nullopt);
        return;
    }
    const bool stereo = stereoWanted_;
    if (snapped > 0) tuneTarget_ = std::make_pair(band, snapped);
    const std::uint64_t serial = ++tuneSerial_;
    cardThread_->Post(
        tCardJobKind::Tune,
        [stereo, band, snapped](TRadioCard& card) {
            card.Tune(stereo, band, snapped);
            return int(card.CheckSignal());
        },
        [this, serial, show](int status) {
            if (serial == tuneSerial_) tuneTarget_.reset();
            show(status);
        });
}

void TMainWindow::MatchPreset()
{
    UncheckPresetItems();
    if (currentPreset_ != 0) {
        settings_.Presets[currentPreset_].Current = 0;
        SetButtonGlyph(currentPreset_, false);
    }
    for (int n = 1; n <= tPresets::Count; ++n) {
        tPreset& slot = settings_.Presets[n];
        if (!slot.Used || slot.Band != card_->Band() || !SameFrequency(slot.Frequency, card_->Frequency())) continue;
        slot.Current = 1;
        SetCurrentPreset(n);
        presetRow_ = RowOf(n);
        ShowPresetRow();
        ShowSlot(n);
        return;
    }
    ShowCaption(FrequencyHint(card_->Band(), card_->Frequency()));
    SetCurrentPreset(0);
    SetStationName(QString());
    StationNum->setText(QStringLiteral("??"));
}

void TMainWindow::btRadioClick(int button)
{
    if (busy_) return;
    Temp->setFocus();
    const int n = PresetOfButton(button);
    if (clearPending_) {
        ClearPreset(n);
        clearPending_ = false;
        RefreshClrButton();
    } else if (storePending_) {
        StorePreset(n);
        storePending_ = false;
        RefreshMemButton();
    } else if (settings_.Presets[n].Used) {
        settings_.Presets[n].Current = 1;
        RecallPreset(n, true);
    }
}

void TMainWindow::btNextPrevTopClick()
{
    if (presetRow_ <= 1) return;
    --presetRow_;
    ShowPresetRow();
}

void TMainWindow::btNextPrevBottomClick()
{
    if (presetRow_ >= 10) return;
    ++presetRow_;
    ShowPresetRow();
}

void TMainWindow::Stations_Memory()
{
    if (busy_ || clearPending_ || FrequencyStored()) return;
    storePending_ = !storePending_;
    RefreshMemButton();
}

void TMainWindow::btClrClick()
{
    if (busy_ || storePending_) return;
    clearPending_ = !clearPending_;
    RefreshClrButton();
}

void TMainWindow::Stations_Clear()
{
    if (busy_ || currentPreset_ == 0) return;
    ClearPreset(currentPreset_);
}

void TMainWindow::Stations_Rename()
{
    if (busy_) return;
    if (currentPreset_ == 0) {
        SayWhy(tr("No preset is tuned, so there is nothing to rename."));
        return;
    }
    RenamePreset(currentPreset_);
}

void TMainWindow::StorePreset(int n)
{
    if (n < 1 || n > tPresets::Count) return;
    tPreset& slot = settings_.Presets[n];
    // MEM may have been armed on another frequency: two presets on one
    // frequency would make a bank the presets editor refuses to save.
    auto refused = [this, n] {
        for (int m = 1; m <= tPresets::Count; ++m) {
            const tPreset& other = settings_.Presets[m];
            if (m == n || !other.Used || !SameFrequency(other.Frequency, card_->Frequency()))
                continue;
            env_.Prompts->Message(WarningTitle(), tr("Duplicated frequency"),
                                  tPromptIcon::Warning);
            return true;
        }
        return false;
    };
    if (refused()) return;
    // The station's own name is offered where it sends one.
    QString name = slot.Name;
    if (card_->Active() && card_->Caps().HasRds && !card_->Rds().Ps().trimmed().isEmpty())
        name = card_->Rds().Ps().trimmed();
    if (!env_.Dialogs->AskName(this, name) || refused()) return;
    const bool wasUsed = slot.Used;
    slot.Name = LeftChars(name.trimmed(), MaxNameChars);
    slot.Frequency = card_->Frequency();
    slot.Band = card_->Band() == bAM ? 0 : 1;
    slot.Current = 1;
    slot.Used = 1;

    bool later = false;
    for (int m = n + 1; m <= tPresets::Count && !later; ++m) later = settings_.Presets[m].Used;
    if (wasUsed)
        SetPresetItemCaptions(n);
    else if (later)
        RebuildPresetMenus();
    else
        AddPresetItems(n);
    RecallPreset(n, true);
    SettingsChanged();
}

void TMainWindow::ClearPreset(int n)
{
    if (n < 1 || n > tPresets::Count) return;
    settings_.Presets[n].Clear();
    if (RowOf(n) == presetRow_) {
        btRadio[std::size_t(PosOf(n) - 1)]->setToolTip(QString());
        SetButtonGlyph(n, false);
    }
    if (n == currentPreset_) {
        TuneTo(card_->Band(), false, 0);
        SetCurrentPreset(0);
    }
    const QString suffix = PresetNumText(n);
    for (QMenu* menu : {RadioPresets, TrayPresets})
        for (QAction* item : menu->actions())
            if (item->objectName().endsWith(suffix)) delete item;
    ShowCommandState();
    SettingsChanged();
}

void TMainWindow::RenamePreset(int n)
{
    if (currentPreset_ == 0 || n < 1 || n > tPresets::Count) return;
    tPreset& slot = settings_.Presets[n];
    QString name = slot.Name;
    if (!env_.Dialogs->AskName(this, name)) return;
    slot.Name = LeftChars(name.trimmed(), MaxNameChars);
    const QString hint = SlotHint(n);
    if (RowOf(n) == presetRow_) btRadio[std::size_t(PosOf(n) - 1)]->setToolTip(hint);
    if (n == currentPreset_) {
        SetStationName(slot.Name);
        setWindowTitle(QStringLiteral("Vantoro - ") + hint);
        SetTrayTip(hint);
    }
    SetPresetItemCaptions(n);
    SettingsChanged();
}

void TMainWindow::Stations_ClearAll()
{
    if (busy_) return;
    env_.Prompts->Beep();
    if (!env_.Prompts->AskYesNo(tr("Clear all favorites"),
                                tr("Are you sure?"), tPromptIcon::Question))
        return;
    for (int n = 1; n <= tPresets::Count; ++n) settings_.Presets[n].Clear();
    for (int k = 1; k <= 10; ++k) {
        btRadio[std::size_t(k - 1)]->setToolTip(QString());
        SetButtonGlyph(PresetOfButton(k), false);
    }
    RadioPresets->clear();
    TrayPresets->clear();
    TuneTo(card_->Band(), false, 0);
    SetCurrentPreset(0);
    SettingsChanged();
}

void TMainWindow::File_LoadPresets()
{
    if (busy_) return;
    if (settings_.Presets.UsedCount() > 0 &&
        !env_.Prompts->AskYesNo(
            WarningTitle(),
            tr("If you load a new set of presets, the\ncurrent presets will be "
                           "erased.\nAre you sure?"),
            tPromptIcon::Information))
        return;
    tFileDialogRequest request;
    request.Title = tr("Load presets");
    request.Filter = PresetsFileFilter();
    request.DefaultSuffix = PresetsFileSuffix();
    request.Directory = StartFolder(settings_.PresetsFolder);
    const QString fileName = env_.Prompts->OpenFileName(request);
    if (fileName.isEmpty()) return;
    settings_.PresetsFolder = FolderOf(fileName);

    QString why;
    const std::uint8_t result = LoadPresetsFile(fileName, settings_.Presets, &why);
    if (result != plLoaded) {
        ShowPresetsLoadError(*env_.Prompts, result, why);
    } else {
        for (int n = 1; n <= tPresets::Count; ++n) settings_.Presets[n].Current = 0;
        SetCurrentPreset(0);
        lastPresetsFile_ = fileName;
        RebuildPresetMenus();
        RefreshGlyphs(true);
        if (card_->Caps().HasFM)
            TuneTo(bFM, false, FMLow);
        else
            TuneTo(bAM, false, AMLow);
        if (!muted_) SetCardMuted(false);
        SettingsChanged();
    }
    gpPresets->setToolTip(tr("Presets loaded from ") + lastPresetsFile_);
}

void TMainWindow::PresetMenu(int n)
{
    UncheckPresetItems();
    CheckPresetItems(n);
    settings_.Presets[n].Current = 1;
    RecallPreset(n, true);
}

void TMainWindow::btMenuPopup(int button, const QPoint& where)
{
    btMenuButton_ = button;
    const bool used = settings_.Presets[PresetOfButton(button)].Used;
    SetItemsEnabled("Popup_Clear", used);
    SetItemsEnabled("Popup_Rename", used);
    SetItemsEnabled("Popup_Memory", !FrequencyStored());
    btMenu->popup(where);
}

void TMainWindow::RebuildPresetMenus()
{
    RadioPresets->clear();
    TrayPresets->clear();
    for (int n = 1; n <= tPresets::Count; ++n)
        if (settings_.Presets[n].Used) AddPresetItems(n);
    ShowCommandState();
}

void TMainWindow::AddPresetItems(int n)
{
    for (QMenu* menu : {RadioPresets, TrayPresets}) {
        QAction* item = menu->addAction(PresetItemCaption(n));
        item->setObjectName((menu == RadioPresets ? QStringLiteral("m") : QStringLiteral("f")) + PresetNumText(n));
        item->setCheckable(true);
        item->setChecked(n == currentPreset_);
        item->setEnabled(SlotReceivable(n));
        connect(item, &QAction::triggered, this, [this, n] {
            PresetMenu(n);
            ShowCommandState();
        });
    }
}

void TMainWindow::UncheckPresetItems()
{
    for (QMenu* menu : {RadioPresets, TrayPresets})
        for (QAction* item : menu->actions()) item->setChecked(false);
}

void TMainWindow::CheckPresetItems(int n)
{
    const QString suffix = PresetNumText(n);
    for (QMenu* menu : {RadioPresets, TrayPresets})
        for (QAction* item : menu->actions())
            if (item->objectName().mid(1) == suffix) item->setChecked(true);
}

void TMainWindow::SetPresetItemCaptions(int n)
{
    const QString suffix = PresetNumText(n);
    for (QMenu* menu : {RadioPresets, TrayPresets})
        for (QAction* item : menu->actions())
            if (item->objectName().mid(1) == suffix) item->setText(PresetItemCaption(n));
}
