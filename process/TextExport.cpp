#include "process/TextExport.h"

#include "core/FileIo.h"
#include "core/Format.h"

namespace lx {

void WriteSampleText(const CTzLabDoc& doc, ArchiveWriter& out) {
    const std::int32_t* s = doc.m_Samples.data();
    for (std::size_t i = 0; i < doc.m_Samples.size(); ++i)
        out.WriteBytes(Format("%1.4f  %ld \r\n", doc.SpanToMinutes(static_cast<double>(i)),
                              static_cast<long>(s[i])));
}

Status ExportText(const CTzLabDoc& doc, const std::string& path) {
    return WriteArchiveFileAtomically(path, [&](ArchiveWriter& out) { WriteSampleText(doc, out); });
}

}  // namespace lx
