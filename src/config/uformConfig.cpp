#include "config/uformConfig.h"

#include <algorithm>

#include "common/ServiceProtocol.h"

namespace vxl {
namespace {

constexpr const char* kScaleKey = "Scale";
constexpr const char* kLastFrameKey = "LastFrame";
constexpr const char* kLastShKTabKey = "LastShKTab";
constexpr const char* kLangKey = "Lang";
constexpr const char* kServiceProgram = "Vexilor2.exe";

// The share of the work area's height a zoomed window may not take.
constexpr int kZoomMarginPercent = 15;

std::string Joined(const MessageLookup& getMsg, std::initializer_list<const char*> keys) {
  std::string text;
  for (const char* key : keys) {
    if (!text.empty()) text += "\r\n";
    text += getMsg(key);
  }
  return text;
}

// Yes/No box of the close sequence; true when the user wants to close.
bool CloseAnyway(IMessageBoxes& boxes, const MessageLookup& getMsg,
                 std::initializer_list<const char*> keys) {
  return boxes.Show(0, Joined(getMsg, keys), getMsg("rsVXLError"), BoxIcon::Warning,
                    BoxButtons::YesNo) == BoxAnswer::Yes;
}

bool Answered(const std::optional<std::intptr_t>& result) { return result && *result != 0; }

}  // namespace

std::string TreeCaptionKey(int index) { return "Tree+" + std::to_string(index); }

ConfigWindowState ReadWindowState(const TProgramSettings& settings) {
  ConfigWindowState state;
  state.zoomScale =
      std::clamp(settings.ReadInteger(kScaleKey, kMinZoomScale), kMinZoomScale, kMaxZoomScale);
  state.lastShKTab = settings.ReadInteger(kLastShKTabKey, 0);
  state.page = std::clamp(settings.ReadInteger(kLastFrameKey, 0), 0, kLastConfigPage);
  return state;
}

void SaveWindowState(TProgramSettings& settings, std::optional<int> selectedPage, int zoomScale,
                     int lastShKTab) {
  settings.WriteString(kLastFrameKey, std::to_string(selectedPage.value_or(0)));
  settings.WriteString(kScaleKey, std::to_string(zoomScale));
  settings.WriteString(kLastShKTabKey, std::to_string(lastShKTab));
  settings.WriteString(kLangKey, settings.CurrentLanguage());
}

int ZoomFactor(int newScale, int currentScale) {
  if (currentScale <= 0) return 1000;
  const std::int64_t change = static_cast<std::int64_t>(newScale) - currentScale;
  return static_cast<int>(1000 + change * 1000 / currentScale);
}

bool ZoomFits(int workAreaHeight, int windowHeight, int factor) {
  const std::int64_t available =
      workAreaHeight - static_cast<std::int64_t>(workAreaHeight) * kZoomMarginPercent / 100;
  return available >= static_cast<std::int64_t>(windowHeight) * factor / 1000;
}

int ZoomFontPoints(int factor, int pixelsPerInch) {
  if (pixelsPerInch <= 0) return 10;
  return static_cast<int>(static_cast<std::int64_t>(factor) * 960 /
                          (static_cast<std::int64_t>(pixelsPerInch) * 1000));
}

ServiceFind FindOrStartService(IServiceStarter& starter, const std::string& programFolder,
                               const MessageLookup& getMsg) {
  ServiceFind find;
  find.window = starter.FindServiceWindow();
  if (find.window != 0) return find;
  if (!starter.StartService()) {
    find.status = ServiceFindStatus::CannotStart;
    find.message = programFolder + kServiceProgram + "\r\n" + getMsg("rsFileNotFound");
    return find;
  }
  find.window = starter.FindServiceWindow();
  if (find.window == 0) {
    find.status = ServiceFindStatus::NotYetThere;
    find.message = getMsg("rsWndNotFound");
  }
  return find;
}

bool ConfigCloseQuery(IConfigCloseHost& host, IMessageBoxes& boxes, const MessageLookup& getMsg,
                      int currentPage) {
  host.ReloadDefaultProfile();
  const bool serviceKnown = host.SendConfig();
  if (!serviceKnown &&
      !CloseAnyway(boxes, getMsg, {"rsWndNotFound", "rsErrSendConf", "rsWantExit"})) {
    return false;
  }
  host.SaveWindowState();
  if (serviceKnown) {
    if (!Answered(host.SendToService(WM_VXL_RELOAD, Reload::Language, 0)) &&
        !CloseAnyway(boxes, getMsg, {"rsErrSendConf", "rsWantExit"})) {
      return false;
    }
  }
  if (currentPage == kKeyboardPage) host.ReleaseKeyboardPageHotKeys();
  if (serviceKnown) {
    if (!Answered(host.SendToService(WM_VXL_SETMODE, SetMode::Normal, 0)) &&
        !CloseAnyway(boxes, getMsg, {"rsErrSetMode", "rsWantExit"})) {
      // Staying open: the service goes back to configuration mode and the
      // keyboard page takes its hot keys again.
      host.SendToService(WM_VXL_SETMODE, SetMode::Configuration, 0);
      if (currentPage == kKeyboardPage) host.ShowPage(kKeyboardPage);
      return false;
    }
  }
  host.FreePagesAndTexts();
  return true;
}

}  // namespace vxl
