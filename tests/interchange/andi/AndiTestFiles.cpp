#include "tests/interchange/andi/AndiTestFiles.h"

#include <gtest/gtest.h>
#include <netcdf.h>

#include <fstream>

#include "core/SyntheticRun.h"
#include "peaks/Integration.h"
#include "tests/support/RunProgram.h"

namespace lx::test {

std::string Ncgen(const TempDir& dir, const std::string& name, const std::string& cdl,
                  const std::string& kind) {
    const std::string source = dir.Path(name + ".cdl"), out = dir.Path(name);
    std::ofstream(source) << cdl;
    const ProgramRun run = RunProgram(LX_NCGEN, {"-k", kind, "-o", out, source});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return out;
}

std::string NcdumpHeader(const std::string& path) {
    const ProgramRun run = RunProgram(LX_NCDUMP, {"-h", path});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.out;
}

std::vector<double> ReadVariable(const std::string& path, const char* name) {
    int id = -1, var = -1, rank = 0, dims[NC_MAX_VAR_DIMS] = {};
    EXPECT_EQ(nc_open(path.c_str(), NC_NOWRITE, &id), NC_NOERR) << path;
    EXPECT_EQ(nc_inq_varid(id, name, &var), NC_NOERR) << name;
    nc_inq_varndims(id, var, &rank);
    nc_inq_vardimid(id, var, dims);
    std::size_t count = 1;
    for (int d = 0; d < rank; ++d) {
        std::size_t length = 0;
        nc_inq_dimlen(id, dims[d], &length);
        count *= length;
    }
    std::vector<double> values(count);
    if (count > 0) {
        EXPECT_EQ(nc_get_var_double(id, var, values.data()), NC_NOERR) << name;
    }
    nc_close(id);
    return values;
}

std::string ReadText(const std::string& path, const char* variable, const char* attribute) {
    int id = -1, var = NC_GLOBAL;
    std::size_t length = 0;
    EXPECT_EQ(nc_open(path.c_str(), NC_NOWRITE, &id), NC_NOERR) << path;
    if (variable != nullptr) {
        EXPECT_EQ(nc_inq_varid(id, variable, &var), NC_NOERR) << variable;
    }
    EXPECT_EQ(nc_inq_attlen(id, var, attribute, &length), NC_NOERR) << attribute;
    std::string text(length, '\0');
    if (length > 0)
        nc_get_att_text(id, var, attribute, text.data());
    nc_close(id);
    return text;
}

std::string ReadChars(const std::string& path, const char* name) {
    int id = -1, var = -1, dims[2] = {};
    std::size_t rows = 0, width = 0;
    EXPECT_EQ(nc_open(path.c_str(), NC_NOWRITE, &id), NC_NOERR) << path;
    EXPECT_EQ(nc_inq_varid(id, name, &var), NC_NOERR) << name;
    nc_inq_vardimid(id, var, dims);
    nc_inq_dimlen(id, dims[0], &rows);
    nc_inq_dimlen(id, dims[1], &width);
    std::string text(rows * width, '\0');
    if (!text.empty()) {
        EXPECT_EQ(nc_get_var_text(id, var, text.data()), NC_NOERR) << name;
    }
    nc_close(id);
    return text;
}

CTzLabDoc SampleRun() {
    SyntheticRunOptions options;
    options.minutes = 4;
    options.seed = 7;
    options.peakSpacing = 400;
    CTzLabDoc doc = MakeSyntheticRun(options);
    doc.m_SampleName = "苯系物 标样 1";
    doc.m_Operator = "张三";
    doc.m_Laboratory = "质检中心";
    doc.m_Notes = "第二次进样\n柱温 80℃";
    doc.m_InjectVolume = "1μL";
    doc.m_CreatedAt = 1700000000;
    Reintegrate(doc);
    for (std::size_t k = 0; k < doc.m_Peaks.size(); ++k) {
        doc.m_Peaks[k].m_Content = doc.m_Peaks[k].m_AreaPercent * 0.01;
        doc.m_Peaks[k].m_ComponentName = k % 2 == 0 ? "甲苯" : "";
    }
    return doc;
}

}  // namespace lx::test
