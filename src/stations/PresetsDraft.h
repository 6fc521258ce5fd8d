#pragma once
// What the presets editor does, without its widgets: a working copy of the
// main window's presets, the slot being edited with its small tuner, the
// current preset following its slot through inserts, deletes and moves, the
// duplicate test that guards OK and Save, the presets files, listening to a
// slot through the card, and the question before changes are thrown away.
// The card is reached through the window's card thread: what the editor
// reads of it is the state last reported, and Listen's tunings are jobs.

#include "CardThread.h"
#include "PresetsFile.h"
#include "RadioCards.h"

#include <QString>
#include <functional>
#include <memory>

class TPrompts;

// Trims the names of the used slots and makes every unused slot exactly empty.
void NormalisePresets(tPresets& table);

// What the editor starts from, taken from the main window.
struct tPresetsDraftSetup {
    int Current = 0;        // the main window's current preset, 0 for none
    QString FileName;       // its presets file; empty for the internal presets
    double FMStep = 0.05;   // its FM tuning step, MHz
    int StepMin = 1;        // its step slider's range, in the card's step units
    int StepMax = 1;
    QString Directory;      // where the file dialogs start
};

// Which commands may run now.
struct tEditButtons {
    bool Insert = false, Delete = false, Clear = false, MoveUp = false, MoveDown = false, Listen = false;
};

class TPresetsDraft {
public:
    // Normalises `mainTable` in place; it is written again only by Accept.
    TPresetsDraft(tPresets& mainTable, const tPresetsDraftSetup& setup, TCardThread& card, TPrompts& prompts);
    ~TPresetsDraft(); // a preview still playing ends with the editor
    TPresetsDraft(const TPresetsDraft&) = delete;
    TPresetsDraft& operator=(const TPresetsDraft&) = delete;

    const tPresets& Table() const { return table_; }
    int Selected() const { return selected_; }
    int Current() const { return current_; }
    int StoredCount() const { return table_.UsedCount(); }
    QString FileName() const { return fileName_; }
    bool Untitled() const { return untitled_; }
    bool Accepted() const { return accepted_; }
    QString Title() const;
    QString StoredText() const;
    bool Duplicated() const { return duplicated_; }
    tEditButtons Buttons() const;

    // The tuner: the band and frequency shown for the selected slot.
    tBand TunerBand() const { return tunerBand_; }
    double TunerFrequency() const { return tunerFrequency_; }
    bool OutsideCard() const; // the read-out turns red
    bool CanTunePrev() const;
    bool CanTuneNext() const;
    // The six read-out cells: "000.000" without its decimal mark, up to three
    // leading zeros blank; the point shows when the third cell is not blank.
    QString Readout() const;
    bool PointShown() const { return Readout().at(2) != QLatin1Char(' '); }
    double Step() const { return step_; }
    int StepUnits() const;
    int StepMin() const { return setup_.StepMin; }
    int StepMax() const { return setup_.StepMax; }
    int StepKHz() const;

    // Commands on the slots.
    void Select(int n);
    void TypeName(const QString& text);
    void ChooseBand(tBand band);
    void SlideTo(int thousandths);
    void TunePrev();
    void TuneNext();
    void SetStepUnits(int units);
    void StepUp();
    void StepDown();
    void Undo();
    void Insert();
    void Delete();
    void ClearSlot();
    void MoveUp();
    void MoveDown();
    // Commands that ask first; each gives whether it went ahead.
    bool ClearAll();
    bool Reload();
    bool Load();
    bool Save();
    bool SaveAs();
    // OK: hands the table back to the main window's table. Refused while
    // two presets share a frequency.
    bool Accept();
    // Every close but OK: true when the editor may close.
    bool CloseQuery();

    // Listen: the card plays the selected slot until ListenStop, and then
    // goes back to what it played when the editor opened. Both are jobs on
    // the card's thread; whether a station answers is known once the tuning
    // has reported, and OnListenTuned then hears of it.
    bool ListenStart(); // false when refused
    void ListenStop();
    bool Listening() const { return listening_; }
    bool ListenTuned() const { return listenTuned_; }
    std::function<void()> OnListenTuned;

private:
    void ShowSlot(int n);
    void ShowTuner(double frequency, tBand band);
    void SetFrequency(double frequency, tBand band);
    double Snap(double frequency, tBand band) const;
    double LowerLimit(tBand band) const;
    double UpperLimit(tBand band) const;
    double StepUnit() const;
    void CheckDuplicates();
    bool SaveTo(const QString& fileName);
    QString AskSaveName() const;

    tPresets& main_;
    tPresets original_; // the main window's table as it was at opening
    tPresets table_;
    tPresetsDraftSetup setup_;
    TCardThread& card_;
    TPrompts& prompts_;
    int selected_ = 1;
    int current_ = 0;
    QString fileName_;
    bool untitled_ = true;
    bool accepted_ = false;
    bool duplicated_ = false;
    tBand tunerBand_ = bFM;
    double tunerFrequency_ = 0;
    double step_ = 0.05;
    // The card's tuning at opening, where Listen returns to: taken by a job,
    // after what was asked of the card before the editor opened, and read
    // only by the later jobs.
    struct tOrigin {
        double frequency = 0;
        tBand band = bFM;
        bool stereo = false;
    };
    std::shared_ptr<tOrigin> origin_ = std::make_shared<tOrigin>();
    bool listening_ = false;
    bool listenTuned_ = false;
    int listenRun_ = 0; // a report of an earlier preview is not this one's
    // Reports that come after the editor has gone are dropped.
    std::shared_ptr<TPresetsDraft*> self_ = std::make_shared<TPresetsDraft*>(this);
};
