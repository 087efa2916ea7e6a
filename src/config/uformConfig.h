// The decisions of the configuration program's main window: its category
// tree and page table, the window state kept in the settings file, the zoom
// arithmetic, finding or starting the service, and the close sequence. The
// Win32 window (uformConfig_win) only shows what these decide.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/Geometry.h"
#include "common/MessageBoxes.h"
#include "common/ProgramSettings.h"

namespace vxl {

constexpr int kConfigPageCount = 14;
constexpr int kLastConfigPage = kConfigPageCount - 1;
// Tree indexes the window treats apart.
constexpr int kKeyboardPage = 3;
constexpr int kCaretPage = 9;
constexpr int kInterfacePage = 10;

constexpr int kMinZoomScale = 1000;
constexpr int kMaxZoomScale = 1750;

// The page frames the tree shows; ShortCuts is the placeholder of the three
// parent categories.
enum class ConfigFrame : std::uint8_t {
  General,
  ShortCuts,
  ShortcutsMouse,
  ShortcutsKeys,
  AutoTrack,
  Bkgrnd,
  Border,
  Arrow,
  Caret,
  UIZoom,
  UILang,
  UIHelp,
};

// A category of the tree as built into the window (French captions, UTF-8);
// parent -1 for a top-level node.
struct ConfigTreeNode {
  const char* caption;
  int parent;
};

// What ShowPage builds for a tree index. A null help keyword leaves the
// window's keyword as it was.
struct ConfigPage {
  ConfigFrame frame;
  const char* titleKey;
  const char* helpKeyword;
  bool pointerPreview;
};

// clang-format off
inline constexpr std::array<ConfigTreeNode, kConfigPageCount> kConfigTree = {{
    {"G\xC3\xA9n\xC3\xA9ral", -1},
    {"Raccourcis", -1},
    {"Souris", 1},
    {"Clavier", 1},
    {"Suivi Souris", -1},
    {"Suivi Auto", 4},
    {"Arri\xC3\xA8re-plan", 4},
    {"Bordure", 4},
    {"Fl\xC3\xA8" "che", 4},
    {"Suivi Curseur", -1},
    {"Interface", -1},
    {"Zoom", 10},
    {"Langues", 10},
    {"Aide", 10},
}};

inline constexpr std::array<ConfigPage, kConfigPageCount> kConfigPages = {{
    {ConfigFrame::General,        "rsFraGeneral",       "ConfGen",      true},
    {ConfigFrame::ShortCuts,      "rsFraShortcuts",     "ConfShct",     false},
    {ConfigFrame::ShortcutsMouse, "rsFraShMouse",       "ConfShMse",    false},
    {ConfigFrame::ShortcutsKeys,  "rsFraShKeyb",        "ConfShKb",     false},
    {ConfigFrame::ShortCuts,      "rsFraMseTrack",      "ConfMseLoc",   false},
    {ConfigFrame::AutoTrack,      "rsFraMseTrackAuto",  "ConfMLAuto",   false},
    {ConfigFrame::Bkgrnd,         "rsFraMsTrackBkg",    "ConfMLBkg",    true},
    {ConfigFrame::Border,         "rsFraMseTrackBrdr",  "ConfMLBdr",    true},
    {ConfigFrame::Arrow,          "rsFraMseTrackArrow", "ConfMLArw",    true},
    {ConfigFrame::Caret,          "rsFraCaretTrack",    "ConfCaretLoc", false},
    {ConfigFrame::ShortCuts,      "rsFraUI",            nullptr,        false},
    {ConfigFrame::UIZoom,         "rsFraUIZoom",        "ConfUIZoom",   false},
    {ConfigFrame::UILang,         "rsFraUILang",        "ConfUILng",    false},
    {ConfigFrame::UIHelp,         "rsFraUIHelp",        "ConfUIHlp",    false},
}};
// clang-format on

// The window's help keyword before any page sets one.
inline constexpr const char* kConfigHelpKeyword = "tocConf";

// The catalogue key of a tree node's caption in other languages.
std::string TreeCaptionKey(int index);

// The keys of the settings file's "Interface" section the window keeps.
struct ConfigWindowState {
  int zoomScale = kMinZoomScale;
  int lastShKTab = 0;
  int page = 0;
};
// Scale clamped to 1000..1750, LastFrame to 0..13.
ConfigWindowState ReadWindowState(const TProgramSettings& settings);
// Writes LastFrame (selectedPage, 0 when none is selected), Scale,
// LastShKTab and the current language.
void SaveWindowState(TProgramSettings& settings, std::optional<int> selectedPage, int zoomScale,
                     int lastShKTab);

// Zoom arithmetic, in thousandths and integers throughout.
// The factor that takes the window from currentScale to newScale.
int ZoomFactor(int newScale, int currentScale);
// Whether a window of windowHeight pixels at 100 % fits, scaled by factor,
// in the work area less 15 % of its height.
bool ZoomFits(int workAreaHeight, int windowHeight, int factor);
// The font size in points for a factor on a screen of pixelsPerInch (10
// points at 100 % and 96 pixels per inch).
int ZoomFontPoints(int factor, int pixelsPerInch);

// Finding or starting the service.
enum class ServiceFindStatus { Found = 0, CannotStart = 1, NotYetThere = 2 };
struct ServiceFind {
  WindowRef window = 0;
  ServiceFindStatus status = ServiceFindStatus::Found;
  std::string message;  // for CannotStart and NotYetThere
};
class IServiceStarter {
 public:
  virtual ~IServiceStarter() = default;
  // A top-level window of the service's class, 0 when there is none.
  virtual WindowRef FindServiceWindow() = 0;
  // Starts the service program with "/config", shown without activation;
  // false when the shell refused.
  virtual bool StartService() = 0;
};
ServiceFind FindOrStartService(IServiceStarter& starter, const std::string& programFolder,
                               const MessageLookup& getMsg);

// What the close sequence needs of the window and the service.
class IConfigCloseHost {
 public:
  virtual ~IConfigCloseHost() = default;
  // Loads the saved "Default" profile over the record (dropping unsaved
  // changes); a failure has shown its own message.
  virtual void ReloadDefaultProfile() = 0;
  // Sends the record to the service; false when no service window is known.
  virtual bool SendConfig() = 0;
  virtual void SaveWindowState() = 0;
  // Sent to the service with a 1000 ms time-out, aborting if it hangs;
  // empty when the send failed.
  virtual std::optional<std::intptr_t> SendToService(std::uint32_t message, std::uintptr_t wParam,
                                                     std::intptr_t lParam) = 0;
  // The keyboard page's hot key manager lets go of every key.
  virtual void ReleaseKeyboardPageHotKeys() = 0;
  virtual void ShowPage(int index) = 0;
  // Closes the caret preview and frees the page, the catalogue and the
  // form localizer.
  virtual void FreePagesAndTexts() = 0;
};

// The close query: true when the window may close. With no service window
// known the user is told and asked whether to close anyway, so that a
// missing service never keeps the window open for good.
bool ConfigCloseQuery(IConfigCloseHost& host, IMessageBoxes& boxes, const MessageLookup& getMsg,
                      int currentPage);

}  // namespace vxl
