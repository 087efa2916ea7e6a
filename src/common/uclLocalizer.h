// TFormLocalizer: rewrites the texts of a form or page from the section of
// Lang\<language>.Lng named after it. Keys are "component.Property" for a
// text property and "component.Property+anything" for the lines of a
// string-list property. The forms are designed in the native language, so
// nothing is read for it unless forced.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/FileSystem.h"
#include "common/MessageBoxes.h"

namespace vxl {

// A component's Tag value that keeps every text of it as designed.
constexpr int kKeepTextsTag = 999;

enum class PropertyKind { Absent, Text, StringList, Other };

// What the localizer needs of a form, a frame or a control. The control
// library implements it over its components.
class ILocalizableComponent {
 public:
  virtual ~ILocalizableComponent() = default;
  virtual std::string Name() const = 0;
  // 0 for a component without a Tag.
  virtual int Tag() const = 0;
  // The first component this one owns with exactly that name, or none.
  virtual ILocalizableComponent* FindComponent(std::string_view name) = 0;
  // The kind of a published property; names compared without regard to case.
  virtual PropertyKind KindOf(std::string_view property) const = 0;
  virtual void SetText(std::string_view property, const std::string& value) = 0;
  // Replaces the whole content of a string-list property.
  virtual void SetLines(std::string_view property, const std::vector<std::string>& lines) = 0;
};

class TFormLocalizer {
 public:
  using LocalizedCallback = std::function<void(TFormLocalizer&)>;

  // An empty native language leaves the localizer unusable. A missing
  // language file is reported at once, without owner.
  TFormLocalizer(IFileSystem& files, IMessageBoxes& boxes, std::string nativeLanguage,
                 std::string directory, std::string language);

  const std::string& NativeLanguage() const { return nativeLanguage_; }
  const std::string& Language() const { return language_; }
  // Set by the language page before it localizes again.
  void SetLanguage(std::string language) { language_ = std::move(language); }
  const std::string& Directory() const { return directory_; }
  void SetDirectory(std::string directory);
  bool FileFound() const { return fileFound_; }
  std::string FilePath() const;  // Directory + Language + ".Lng"

  // The form or page to localize next (not owned); empties the cache.
  void SetControl(ILocalizableComponent* control);
  ILocalizableComponent* Control() const { return control_; }
  void SetOnLocalized(LocalizedCallback callback) { onLocalized_ = std::move(callback); }

  bool IsReady() const;
  bool IsLoaded() const;
  bool Load(bool force);
  void Localize(bool force);
  // Sets one text property, unless the component keeps its texts.
  static void SetProperty(ILocalizableComponent& component, std::string_view property,
                          std::string_view value);

  const std::optional<std::vector<std::string>>& Cache() const { return cache_; }

 private:
  ILocalizableComponent* FindTarget(std::string_view name) const;

  IFileSystem& files_;
  std::string nativeLanguage_;
  std::string language_;
  std::string directory_;
  bool fileFound_ = false;
  ILocalizableComponent* control_ = nullptr;
  std::optional<std::vector<std::string>> cache_;
  LocalizedCallback onLocalized_;
};

}  // namespace vxl
