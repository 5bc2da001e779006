#pragma once
// The report window's "查找" and "替换" box: it stays open beside the text while the operator
// finds and replaces, and leaves the searching to the window.

#include <QDialog>
#include <QTextDocument>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lx {

class FindReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindReplaceDialog(QWidget* parent = nullptr);

    // Shows the box for finding only or for replacing too, with `what` to find.
    void ShowFor(bool replacing, const QString& what);
    QString What() const;
    QString With() const;
    QTextDocument::FindFlags Flags() const;

signals:
    void FindNextClicked();
    void ReplaceClicked();
    void ReplaceAllClicked();

private:
    QLineEdit* m_What;
    QLineEdit* m_With;
    QLabel* m_WithLabel;
    QCheckBox* m_WholeWord;
    QCheckBox* m_MatchCase;
    QPushButton* m_FindNext;
    QPushButton* m_Replace;
    QPushButton* m_ReplaceAll;
};

}  // namespace lx
