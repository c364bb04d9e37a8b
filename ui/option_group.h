#pragma once
// A frame of option buttons, exactly one of them checked ("Verbenwahl", "Stammvokal").

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;

namespace tamurik {

class OptionGroup : public QGroupBox {
    Q_OBJECT
public:
    OptionGroup(QWidget* parent, const QString& objectName, const QString& caption,
                const QStringList& captions, const QStringList& objectNames, int checked);

    int checked() const;
    // Checks the button at this position (from 0) and runs the group's handler, as a click
    // does.
    void choose(int position);
    // Checks the button without running the handler.
    void setCheckedQuietly(int position);
    QRadioButton* button(int position) const;
    int count() const { return static_cast<int>(buttons_.size()); }

signals:
    void chosen(int position);

private:
    QList<QRadioButton*> buttons_;
};

// The two groups of the verb selection.
inline const QString kVerbenwahl = QStringLiteral("Verbenwahl");
inline const QString kStammvokal = QStringLiteral("Stammvokal");
QStringList VerbenwahlCaptions();
QStringList StammvokalCaptions();

} // namespace tamurik
