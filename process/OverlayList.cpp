#include "process/OverlayList.h"

#include <filesystem>

#include "core/AppPaths.h"
#include "core/CoreTexts.h"
#include "core/Format.h"
#include "core/TzdFile.h"
#include "process/ProcessTexts.h"

namespace lx {

const std::array<Rgb, 12> OverlayList::kColours{{{0, 0, 0},
                                                 {128, 0, 0},
                                                 {0, 128, 0},
                                                 {128, 128, 0},
                                                 {0, 0, 128},
                                                 {128, 0, 128},
                                                 {0, 128, 128},
                                                 {192, 192, 192},
                                                 {192, 220, 192},
                                                 {166, 202, 240},
                                                 {255, 251, 240},
                                                 {160, 160, 164}}};

Overlay* OverlayList::Current() {
    return m_Current < 0 ? nullptr : m_Overlays[static_cast<std::size_t>(m_Current)].get();
}

void OverlayList::SetCurrent(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_Overlays.size())
        m_Current = index;
}

void OverlayList::ApplyOffsets(std::size_t k) {
    const auto step = static_cast<std::int32_t>(12 * k);
    m_Overlays[k]->m_OffsetX = m_Staggered ? step : 0;
    m_Overlays[k]->m_OffsetY = m_Staggered ? -step : 0;
}

void OverlayList::MakeHead(CTzLabDoc& active, const std::string& path) {
    if (!m_Overlays.empty() && m_Overlays.front()->m_Doc == &active)
        return;
    auto head = std::make_unique<Overlay>();
    head->m_Doc = &active;
    head->m_Path = path;
    head->m_Colour = kColours[0];
    m_Overlays.insert(m_Overlays.begin(), std::move(head));
    m_Current = m_Overlays.size() == 1 ? 0 : m_Current + 1;
    for (std::size_t k = 0; k < m_Overlays.size(); ++k)
        ApplyOffsets(k);
}

Overlay& OverlayList::Add(CTzLabDoc doc, std::string path, bool modified) {
    auto overlay = std::make_unique<Overlay>();
    overlay->m_Owned = std::make_unique<CTzLabDoc>(std::move(doc));
    overlay->m_Doc = overlay->m_Owned.get();
    overlay->m_Path = std::move(path);
    overlay->m_Modified = modified;
    const std::size_t number = m_Overlays.size();
    overlay->m_Colour = number > 11 ? kColours[0] : kColours[number];
    m_Overlays.push_back(std::move(overlay));
    // Past twelve overlays the workstation made entry 0 current; the operator is looking at
    // the new one, so it is current here as always.
    m_Current = static_cast<int>(number);
    ApplyOffsets(number);
    return *m_Overlays.back();
}

bool OverlayList::Load(const std::string& path, Prompter& prompter) {
    for (const auto& overlay : m_Overlays)
        if (SamePath(overlay->m_Path, path))
            return false;
    auto loaded = LoadTzdFile(path);
    if (!loaded.ok()) {
        // The analysis window says only that the file could not be opened, whatever the reason.
        prompter.Inform(Format(Tr(texts::kOpenFileFailed), path.c_str()), Prompter::Icon::Warning);
        return false;
    }
    Add(std::move(loaded.value()), path, false);
    return true;
}

bool OverlayList::UnloadCurrent(Prompter& prompter, const SaveAs& saveAs) {
    if (m_Current <= 0)
        return false;
    Overlay& overlay = *m_Overlays[static_cast<std::size_t>(m_Current)];
    if (overlay.m_Modified) {
        const std::string folder = std::filesystem::path(overlay.m_Path).parent_path().string();
        if (prompter.Confirm(Format(Tr(texts::kConfirmSaveUnloaded), m_Current + 1) + folder +
                             " ?"))
            saveAs(overlay);
    }
    m_Overlays.erase(m_Overlays.begin() + m_Current);
    --m_Current;
    for (std::size_t k = 0; k < m_Overlays.size(); ++k)
        ApplyOffsets(k);
    return true;
}

void OverlayList::OfferToSaveAll(Prompter& prompter, const SaveAs& saveAs) {
    for (std::size_t k = 1; k < m_Overlays.size(); ++k) {
        Overlay& overlay = *m_Overlays[k];
        if (overlay.m_Modified &&
            prompter.Confirm(Format(Tr(texts::kConfirmSaveOnClose), static_cast<int>(k) + 1) +
                             overlay.m_Path + " ?"))
            saveAs(overlay);
    }
}

void OverlayList::SetStaggered(bool on) {
    m_Staggered = on;
    for (std::size_t k = 0; k < m_Overlays.size(); ++k)
        ApplyOffsets(k);
}

}  // namespace lx
