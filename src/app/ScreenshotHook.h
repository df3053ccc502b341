#pragma once

class FrmMain;

// For scripts/screenshots.sh only, built in with -DORVIA_SCREENSHOT_HOOK=ON.
// When ORVIA_SCREENSHOT_WINDOW names a window (FrmChecker, FrmOrvia, KezWindow,
// KezOnKez, OrviaOnOrvia, frmAbout, FrmClientConsole, FrmValidKeyword,
// FrmGenerateCRC), it is opened right after start-up as its menu item would
// open it; the button named by ORVIA_SCREENSHOT_CLICK is clicked, and the lines
// of ORVIA_SCREENSHOT_SAY (separated by "|") are typed into its input box, each
// followed by Enter. Without the variable nothing happens.
void RunScreenshotHook(FrmMain &main);
