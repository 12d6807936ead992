#pragma once
// modHelp: services shared by every window: the maker's web pages, the text encoding of the
// settings store and the reading file, the settings store with its update reminder, and the
// orderly end of the program. The addresses, the encoding and the settings store need Qt Core
// only (velmora_shell_core); opening a page, the reminder's question and the end go through the
// platform services (velmora_shell).

#include <QString>

#include <functional>

namespace modHelp {

// --- Web pages -----------------------------------------------------------------------------
extern const QString SiteBaseAddress; // scheme and host of the maker's site
extern const QString ProductAddress;  // the program's folder on the site, with its closing slash

// The maker's pages, the whole closed set; each has one address (shell/pageaddresses.cpp).
enum class WebPage {
    Help,
    Home,
    Download,
    Donate,
    FullyBranded,
    CoBrand,
    OtherPrograms,
    ReferAFriend
};

// The site's page script asked for the page by its key; empty for a value outside the set.
QString pageAddress(WebPage page);
// One request to the browser per call; never waits, never reports. The referral page needs the
// parameters only the refer-a-friend form adds (modTellAFriend), so it opens nothing here.
void OpenWebPage(WebPage page);

// --- Text encoding -------------------------------------------------------------------------
// Each character is taken by its code in the 8-bit code page (Latin-1; a character outside it
// counts as "?") and shifted by the offset; a result outside 0…255 is left out.
inline constexpr int EncodingOffset = 14;
QString EncodeText(const QString& text);
QString DecodeText(const QString& text);
// True when DecodeText(EncodeText(text)) gives text back unchanged.
bool survivesEncoding(const QString& text);

// --- Settings store and update reminder ----------------------------------------------------
QString GetAppSetting(const QString& key);
bool SaveAppSetting(const QString& key, const QString& value); // false when not written
void ShowUpdateReminder();

// --- The shared random generator ----------------------------------------------------------
// Seeded from the clock at start-up; drawn by the main window's advert choice and re-seeded
// by the exit window.
void randomize();
float rnd(); // uniform in [0, 1)

// --- The end of the program ----------------------------------------------------------------
// What closing the main window (or the reading window by its close box) leads to: the exit
// window once the program has one, EndApplication until then.
void setLeaveHandler(std::function<void()> handler);
void leaveApplication();
// Closes every window, hidden ones included, without showing the exit window, then ends the
// process through the platform services.
void EndApplication();
bool isEnding(); // true once EndApplication has begun: close handlers then do nothing more

} // namespace modHelp
