#pragma once

// Whether the texts of a window fit their controls: a label's lines, a button's or check box's text inside
// the part of the control the style draws text in, a list header's sections and the cells under them, and
// every template control inside its parent. Dialog templates use it to widen their dialog units until
// nothing is cut; tests use it to prove that at any font and scale.

#include <QList>
#include <QString>

class QWidget;

namespace tarnix
{

struct CutText
{
    QString control; // the control's class and object name, and the column for a list
    QString text;
    int needed = 0;    // pixels the text needs
    int available = 0; // pixels the control gives it
    bool vertical = false;
    int controlSpan = 0; // the control's own width (or height when vertical)
};

// Every cut text of `root` and the widgets below it that are shown (or would be, once `root` is shown).
QList<CutText> FindCutTexts(const QWidget* root);

// One line per cut text, for a test's failure message.
QString DescribeCutTexts(const QList<CutText>& cuts);

} // namespace tarnix
