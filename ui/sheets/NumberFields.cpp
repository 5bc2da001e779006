#include "ui/sheets/NumberFields.h"

#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

namespace {

NumberBox* Named(NumberBox* box, const char* name) {
    box->setObjectName(name);
    return box;
}

}  // namespace

NumberBox* MakeMinutesBox(const char* name) {
    auto* box = Named(new NumberBox(0.0, 100000.0, 3), name);
    box->setSuffix(T(texts::kMinutesSuffix));
    return box;
}

NumberBox* MakeHalfWidthBox(const char* name) {
    return Named(new NumberBox(1, 10000, 0), name);
}

NumberBox* MakeSlopeBox(const char* name) {
    return Named(new NumberBox(0.0, 1.0e6, 2), name);
}

NumberBox* MakeAmountBox(const char* name, int decimals) {
    return Named(new NumberBox(0.0, 1.0e12, decimals), name);
}

}  // namespace lx
