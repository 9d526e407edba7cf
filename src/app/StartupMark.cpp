#include "app/StartupMark.h"

#include "wizard/WizardSheet.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace tarnix
{

namespace
{

class CStartupMark : public QObject
{
  public:
    CStartupMark(QString file, QString picture, QObject* parent)
        : QObject(parent), m_file(std::move(file)), m_picture(std::move(picture))
    {
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_done && event->type() == QEvent::Paint)
        {
            auto* widget = qobject_cast<QWidget*>(watched);
            auto* sheet = widget != nullptr ? qobject_cast<CWizardSheet*>(widget->window()) : nullptr;
            if (sheet != nullptr && sheet->currentPage() != nullptr && sheet->currentPage()->isAncestorOf(widget))
            {
                m_done = true;
                // After this paint has reached the screen.
                QTimer::singleShot(0, sheet, [this, sheet] { Mark(sheet); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Mark(CWizardSheet* sheet)
    {
        if (!m_file.isEmpty())
        {
            QFile out(m_file);
            if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            {
                out.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + '\n');
            }
        }
        if (!m_picture.isEmpty() && !sheet->grab().save(m_picture, "PNG"))
        {
            std::fprintf(stderr, "tarnix: could not write the screenshot %s\n", qPrintable(m_picture));
        }
        // Through QDialog, where done() is public; unlike reject() it asks the page nothing.
        static_cast<QDialog*>(sheet)->done(QDialog::Rejected);
    }

    QString m_file;
    QString m_picture;
    bool m_done = false;
};

} // namespace

void InstallStartupMark()
{
    const QString file = qEnvironmentVariable("TARNIX_STARTUP_MARK");
    const QString picture = qEnvironmentVariable("TARNIX_SCREENSHOT");
    if ((file.isEmpty() && picture.isEmpty()) || qApp == nullptr)
    {
        return;
    }
    qApp->installEventFilter(new CStartupMark(file, picture, qApp));
}

} // namespace tarnix
