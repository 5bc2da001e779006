#pragma once
// The chromatograms an analysis window shows on top of each other: entry 0 is the window's
// own document, the others (loaded files and processing results) belong to the list. The
// current overlay is what the processing commands work on.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/CTzLabDoc.h"
#include "core/Prompter.h"
#include "core/Rgb.h"

namespace lx {

struct Overlay {
    CTzLabDoc* m_Doc = nullptr;          // entry 0: the window's document, not owned
    std::unique_ptr<CTzLabDoc> m_Owned;  // the others
    std::string m_Path;                  // file path or proposed name
    Rgb m_Colour{0, 0, 0};
    std::int32_t m_OffsetX = 0;  // staggered display
    std::int32_t m_OffsetY = 0;
    bool m_Modified = false;  // unsaved results and shifts
};

class OverlayList {
public:
    static const std::array<Rgb, 12> kColours;
    // Offered a modified overlay to save (the save dialog and the save); false when cancelled.
    using SaveAs = std::function<bool(Overlay&)>;

    std::size_t size() const { return m_Overlays.size(); }
    Overlay& at(std::size_t i) { return *m_Overlays.at(i); }
    const Overlay& at(std::size_t i) const { return *m_Overlays.at(i); }
    int CurrentIndex() const { return m_Current; }
    // The current overlay, or nullptr.
    Overlay* Current();
    // The operator picks the overlay the commands work on; an index outside the list is ignored.
    void SetCurrent(int index);

    // Before a command: the active view's document heads the list (an empty list takes it as
    // entry 0; another head is pushed back one place). The current overlay stays the same.
    void MakeHead(CTzLabDoc& active, const std::string& path);

    // A result or a loaded file joins the list with the colour of its number (entry 0 from the
    // thirteenth on) and becomes current. Returns it.
    Overlay& Add(CTzLabDoc doc, std::string path, bool modified);

    // "增加图谱(&A)": a path already listed is ignored (false, no message); a file that cannot
    // be read gives "打开文件[%s]失败!" or the damage message.
    bool Load(const std::string& path, Prompter& prompter);

    // "卸载图谱(&R)": the current overlay (not entry 0) goes, after a modified one is offered
    // for saving ("将通道%d改动保存到<folder> ?"); the previous overlay becomes current.
    bool UnloadCurrent(Prompter& prompter, const SaveAs& saveAs);

    // Closing the window: every modified overlay from entry 1 on is offered for saving
    // ("将通道%d另存为<path> ?").
    void OfferToSaveAll(Prompter& prompter, const SaveAs& saveAs);

    // "多图谱显示设置": one switch for all overlays; overlay k is drawn at (12k, -12k) while on.
    bool Staggered() const { return m_Staggered; }
    void SetStaggered(bool on);

private:
    void ApplyOffsets(std::size_t k);

    std::vector<std::unique_ptr<Overlay>> m_Overlays;
    int m_Current = -1;
    bool m_Staggered = false;
};

}  // namespace lx
