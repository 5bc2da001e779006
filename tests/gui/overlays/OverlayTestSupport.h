#pragma once
// What the overlay tests share: chromatograms of a few known samples, their samples read back,
// and answers to the dialogs a command opens, given with its own buttons.

#include <QDialog>
#include <QFileDialog>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"

namespace lx::test {

// A chromatogram of these samples taken `rate` times a second, remembering `path`.
CTzLabDoc MakeChromatogram(const std::vector<std::int32_t>& samples, std::int32_t rate = 20,
                           const std::string& path = {});
std::vector<std::int32_t> SamplesOf(const CTzLabDoc& doc);

// For a ModalDriver: `fill` sets the dialog's fields, then "确定" (or "取消") is pressed.
std::function<void(QWidget*)> PressOk(std::function<void(QDialog*)> fill = {});
std::function<void(QWidget*)> PressCancel();
// For a ModalDriver: Qt's file dialog, which `look` sees as it opened, gets `path` typed as the
// file name and is accepted.
std::function<void(QWidget*)> ChooseFile(const QString& path,
                                         std::function<void(QFileDialog*)> look = {});

}  // namespace lx::test
