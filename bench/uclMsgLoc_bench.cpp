// The catalogue is asked for texts whenever a message or a list is built;
// once loaded, a lookup must stay in memory.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "common/StdFileSystem.h"
#include "common/uclMsgLoc.h"

namespace {

class SilentBoxes : public vxl::IMessageBoxes {
 public:
  vxl::BoxAnswer Show(vxl::WindowRef, const std::string&, const std::string&, vxl::BoxIcon,
                      vxl::BoxButtons) override {
    return vxl::BoxAnswer::Ok;
  }
  void Beep(vxl::BoxIcon) override {}
};

// A catalogue the size of the shipped ones: about 150 keys in two sections.
struct CatalogueOnDisk {
  CatalogueOnDisk() {
    folder = std::filesystem::temp_directory_path() / "vxl-bench-msg";
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / "Bench.Msg");
    out << "[VXLConfig]\n";
    for (int i = 0; i < 120; ++i) out << "rsConfigKey" << i << "=Configuration text " << i << "\n";
    out << "rsErrorRead=The configuration could not be read from the file:\n";
    out << "[Commons]\n";
    for (int i = 0; i < 30; ++i) out << "rsCommonKey" << i << "=%s%Common text " << i << "\n";
  }
  ~CatalogueOnDisk() { std::filesystem::remove_all(folder); }
  std::filesystem::path folder;
};

void LookUp(benchmark::State& state, const char* key) {
  CatalogueOnDisk disk;
  vxl::TStdFileSystem files;
  SilentBoxes boxes;
  vxl::TMsgLocalizer catalogue(files, boxes, "Bench", disk.folder.string() + "/");
  catalogue.SetSection("VXLConfig");
  catalogue.SetCommonSection("Commons");
  catalogue.Load();
  for (auto _ : state) benchmark::DoNotOptimize(catalogue.GetMsg(key));
}

void BM_GetMsgMainSection(benchmark::State& state) { LookUp(state, "RSERRORREAD"); }
BENCHMARK(BM_GetMsgMainSection);

void BM_GetMsgCommonSection(benchmark::State& state) { LookUp(state, "rsCommonKey17"); }
BENCHMARK(BM_GetMsgCommonSection);

void BM_GetMsgMissingKey(benchmark::State& state) { LookUp(state, "rsNoSuchKey"); }
BENCHMARK(BM_GetMsgMissingKey);

// For scale: what every lookup would cost if it read the file.
void BM_CatalogueLoadFromFile(benchmark::State& state) {
  CatalogueOnDisk disk;
  vxl::TStdFileSystem files;
  SilentBoxes boxes;
  vxl::TMsgLocalizer catalogue(files, boxes, "Bench", disk.folder.string() + "/");
  catalogue.SetSection("VXLConfig");
  catalogue.SetCommonSection("Commons");
  for (auto _ : state) benchmark::DoNotOptimize(catalogue.Load());
}
BENCHMARK(BM_CatalogueLoadFromFile);

}  // namespace
