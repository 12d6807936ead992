#pragma once
// modRTB's side in the report window: live web addresses in the report box. While detection
// is on, every web address shown in the box is underlined as a link and a left click on it
// opens it in the browser through the platform services. Which addresses count, and what is
// opened, are the rules of report/modrtb.h.

class QTextEdit;

namespace modRTB {

// Switches detection on for RTB (and off for any box that had it); the report window calls
// it before the report is built, so the site lines become links as they are inserted.
void EnableLinkDetection(QTextEdit* RTB);
// Does nothing when detection is off.
void DisableLinkDetection();
bool isLinkDetectionOn();

} // namespace modRTB
