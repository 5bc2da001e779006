#include "core/PrintSettings.h"

namespace lx {
namespace {

std::vector<InstrumentInfoItem> Lines(std::initializer_list<const char*> names) {
    std::vector<InstrumentInfoItem> items;
    for (const char* name : names)
        items.push_back({name, "", 1});
    return items;
}

}  // namespace

std::vector<InstrumentInfoItem> PrintSettings::DefaultLcInfoList() {
    auto items = Lines({"仪器型号:", "仪器编号:", "检测器类型:", "检测波长(nm):", "流 动 相:",
                        "溶    剂:", "柱 型 号:", "柱 温(℃):", "进 样 量:", "流量(ml/min):"});
    items[2].content = "紫 外";
    return items;
}

std::vector<InstrumentInfoItem> PrintSettings::DefaultGcInfoList() {
    return Lines({"仪器型号:", "仪器编号:", "检测器类型:", "进样器类型:", "柱 类 型:", "柱 规 格:",
                  "柱    长:", "柱    温:", "载气类型:", "载气流量(ml/min):", "进 样 量:"});
}

}  // namespace lx
