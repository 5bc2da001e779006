#include "ui/sheets/SampleInfoPage.h"

#include <QDateTime>

#include "ui/sheets/SheetControls.h"
#include "ui/sheets/SheetTexts.h"

namespace lx {

namespace {

TextBox* Line(const char* name) {
    auto* box = new TextBox;
    box->setObjectName(name);
    box->setMinimumWidth(260);
    return box;
}

}  // namespace

SampleInfoPage::SampleInfoPage(QWidget* parent) : SheetPage(parent) {
    m_CreatedAt = new QLineEdit;
    m_CreatedAt->setObjectName("m_CreatedAt");
    m_CreatedAt->setReadOnly(true);
    m_SampleName = Line("m_SampleName");
    m_Operator = Line("m_Operator");
    m_Laboratory = Line("m_Laboratory");
    m_InjectVolume = Line("m_InjectVolume");
    m_Notes = new NotesBox;
    m_Notes->setObjectName("m_Notes");
    m_Notes->setMinimumHeight(100);
    m_Notes->setTabChangesFocus(true);  // Tab leaves the notes as it leaves every other field

    auto* form = new QFormLayout(this);
    AddRow(form, texts::kCreatedAt, m_CreatedAt);
    AddRow(form, texts::kSampleName, m_SampleName);
    AddRow(form, texts::kOperator, m_Operator);
    AddRow(form, texts::kLaboratory, m_Laboratory);
    AddRow(form, texts::kInjectVolume, m_InjectVolume);
    AddRow(form, texts::kNotes, m_Notes);
}

void SampleInfoPage::Load(const CTzLabDoc& doc) {
    // Local time, two blanks between date and time, as every window shows a run's date.
    m_CreatedAt->setText(
        QDateTime::fromSecsSinceEpoch(doc.m_CreatedAt).toString("yyyy.MM.dd  HH:mm"));
    m_SampleName->Load(doc.m_SampleName);
    m_Operator->Load(doc.m_Operator);
    m_Laboratory->Load(doc.m_Laboratory);
    m_InjectVolume->Load(doc.m_InjectVolume);
    m_Notes->Load(doc.m_Notes);
}

void SampleInfoPage::Store(CTzLabDoc& doc) const {
    doc.m_SampleName = m_SampleName->Value();
    doc.m_Operator = m_Operator->Value();
    doc.m_Laboratory = m_Laboratory->Value();
    doc.m_InjectVolume = m_InjectVolume->Value();
    doc.m_Notes = m_Notes->Value();
}

}  // namespace lx
