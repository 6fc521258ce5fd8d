#pragma once
// Pieces shared by the small start-up and shutdown dialogs.

#include <QString>

class QDialog;
class QLabel;
class QWidget;

// The dark side band of the warning dialogs, with its caption in large
// bold letters (lines separated by "\n").
QLabel* MakeSideLabel(const QString& caption, QWidget* parent);
// Lays out a warning dialog: the side band, the text and one default
// "Continue" button (`btContinue`) that accepts. The text label is `lbText`.
void BuildWarningLayout(QDialog* dialog, const QString& sideCaption, const QString& text);
// Moves a dialog to the middle of the screen it will appear on.
void CentreOnScreen(QDialog* dialog);
