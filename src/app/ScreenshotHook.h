#pragma once

class FrmMain;

// For scripts/screenshots.sh only. When ORVIA_SCREENSHOT_WINDOW names a window
// (FrmChecker, FrmOrvia, KezWindow, KezOnKez, OrviaOnOrvia, frmAbout), it is
// opened right after start-up as its menu item would open it; the lines of
// ORVIA_SCREENSHOT_SAY (separated by "|") are then typed into its input box,
// each followed by Enter. Without the variable nothing happens.
void RunScreenshotHook(FrmMain &main);
