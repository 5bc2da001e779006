#pragma once
// How an overlay is named wherever the operator picks one: "通道 %d :" with its number from 1,
// then its file name.

#include <QString>

#include <cstddef>

#include "process/OverlayList.h"

namespace lx {

QString OverlayLabel(const Overlay& overlay, std::size_t index);

}  // namespace lx
