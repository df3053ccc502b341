#include "console/ConsoleLayout.h"

#include <initializer_list>

namespace {

void SetIfNotNegative(int &nTarget, int nValue)
{
    if (nValue >= 0)
        nTarget = nValue;
}

}  // namespace

void ConsoleLayout::Resize(int nInnerWidth, int nInnerHeight)
{
    TwipsBox &t = sChoices;
    SetIfNotNegative(t.nHeight, nInnerHeight);
    SetIfNotNegative(t.nWidth, nInnerWidth - t.nLeft);
    for (TwipsBox *list : {&LstEventLog, &lstErrorLog, &lstSystemLog})
        SetIfNotNegative(list->nWidth, t.nWidth - 100);
    for (TwipsBox *list : {&LstEventLog, &lstErrorLog, &lstSystemLog})
        SetIfNotNegative(list->nHeight, t.nHeight - 400);
    SetIfNotNegative(txtConsoleLog.nWidth, t.nWidth - 100);
    SetIfNotNegative(txtInput.nWidth, t.nWidth - 100);
    SetIfNotNegative(txtInput.nTop, t.nHeight - 400);
    SetIfNotNegative(txtConsoleLog.nHeight, t.nHeight - 400 - txtInput.nHeight);
}
