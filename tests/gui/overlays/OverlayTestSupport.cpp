#include "tests/gui/overlays/OverlayTestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/gui/sheets/SheetTestSupport.h"

namespace lx::test {
namespace {

void Press(QWidget* modal, const char* button) {
    auto* found = Named<QPushButton>(modal, QString::fromUtf8(button));
    QVERIFY2(found, button);
    found->click();
}

}  // namespace

CTzLabDoc MakeChromatogram(const std::vector<std::int32_t>& samples, std::int32_t rate,
                           const std::string& path) {
    CTzLabDoc doc;
    doc.m_ChannelSetup.rate = rate;
    doc.m_Samples.Resize(samples.size());
    std::copy(samples.begin(), samples.end(), doc.m_Samples.data());
    doc.m_PathName = path;
    return doc;
}

std::vector<std::int32_t> SamplesOf(const CTzLabDoc& doc) {
    return {doc.m_Samples.begin(), doc.m_Samples.end()};
}

std::function<void(QWidget*)> PressOk(std::function<void(QDialog*)> fill) {
    return [fill](QWidget* modal) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        QVERIFY(dialog);
        if (fill)
            fill(dialog);
        Press(dialog, "确定");
    };
}

std::function<void(QWidget*)> ChooseFile(const QString& path,
                                         std::function<void(QFileDialog*)> look) {
    return [=](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        if (look)
            look(dialog);
        // Typed, because selectFile() leaves the name field alone while it has the focus.
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(name);
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

std::function<void(QWidget*)> PressCancel() {
    return [](QWidget* modal) { Press(modal, "取消"); };
}

}  // namespace lx::test
