#pragma once

// Where the controls of the client console sit, in twips; positions on a tab
// are relative to the tabbed panel.
struct TwipsBox {
    int nLeft = 0;
    int nTop = 0;
    int nWidth = 0;
    int nHeight = 0;

    bool operator==(const TwipsBox &) const = default;
};

struct ConsoleLayout {
    static constexpr int OuterWidth = 6240;
    static constexpr int OuterHeight = 3000;

    TwipsBox sChoices{30, 0, 6075, 2565};
    TwipsBox txtConsoleLog{60, 330, 5955, 1755};
    TwipsBox txtInput{60, 2130, 5955, 345};
    TwipsBox LstEventLog{30, 330, 5985, 2145};
    TwipsBox lstErrorLog{30, 330, 5985, 2145};
    TwipsBox lstSystemLog{30, 330, 5985, 2145};

    // Fits the panel to the window's inner size and the controls to the panel:
    // the input line stays 400 twips above the panel's bottom and the transcript
    // fills the space above it. A step whose result would be negative (a tiny or
    // minimised window) is skipped and its control keeps its size.
    void Resize(int nInnerWidth, int nInnerHeight);
};
