#pragma once
// What a chromatogram's method project does for it when the chromatogram is integrated. The
// project lives in a higher layer; the chromatogram holds this link to it while it is open.

namespace lx {

class CTzLabDoc;
class Prompter;

class ProjectLink {
public:
    virtual ~ProjectLink() = default;
    // Names the peaks after the project's components.
    virtual void IdentifyPeaks(CTzLabDoc& doc) = 0;
    // Contents of the peaks (or, for one of the project's standards, its calibration, whose
    // refusals reach the operator through `prompter`).
    virtual void QuantifyPeaks(CTzLabDoc& doc, Prompter& prompter) = 0;
};

}  // namespace lx
