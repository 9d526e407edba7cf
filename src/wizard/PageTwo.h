#pragma once

// The design page: the user's bitmap editor, the eight part bitmaps opened in it, and the four design
// bitmaps as they stand.

#include "wizard/WizardPage.h"

#include <QHash>
#include <QSet>

class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QTimer;

namespace tarnix
{

class CTarnixApp;

class CPageTwo : public CWizardPage
{
    Q_OBJECT

  public:
    explicit CPageTwo(CTarnixApp& app, QWidget* parent = nullptr);

    void OnSetActive() override;
    void OnKillActive() override;

    // The editor path as the edit box holds it.
    QString EditorPath() const;

  private:
    void OnOpenInEditor(int slot);
    void OnBrowse();
    // Reloads the four design pictures from the part files.
    void OnRefresh();
    void ReloadPicture(int slot);
    // Exports the jersey's parts once per jersey; tells the user when that fails.
    void ExportOnce();
    void WatchPartFiles();
    void OnPartFileChanged(const QString& path);
    void OnReloadChanged();

    CTarnixApp& m_app;
    QLineEdit* m_editor = nullptr;
    QLabel* m_pictures[4] = {};
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_reloadTimer = nullptr;
    QSet<QString> m_changed;
    int m_missingRetries = 0;
};

} // namespace tarnix
