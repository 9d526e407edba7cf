#pragma once

// The application object: one run of the program. It reads the settings and the game's team database into
// the model the wizard's pages share, runs the wizard, and at exit writes the settings back and deletes
// the run's temporary files. There is one instance, created by main.

#include "wizard/JerseyModel.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

namespace tarnix
{

class CWorkFolder;
class CWizardSheet;
class CPageOne;
class CPageTwo;
class CPageThree;

// The version line shown on page one.
extern const char* const kVersionText;

class CTarnixApp
{
  public:
    CTarnixApp();
    ~CTarnixApp();
    CTarnixApp(const CTarnixApp&) = delete;
    CTarnixApp& operator=(const CTarnixApp&) = delete;

    // The whole program: start-up, the wizard, exit. `arguments` without the program name. Returns the
    // process's exit code.
    int Run(const QStringList& arguments);

    // Start-up and the modal wizard; always false (the program ends when the wizard closes).
    bool InitInstance(const QStringList& arguments);
    // Start-up up to the point where the wizard would run: command line, settings, team database, the
    // sheet and its pages. False when the command line asked for help or the version (already printed).
    bool StartUp(const QStringList& arguments);
    // Leaves the page the wizard ended on, saves the settings, deletes the part files, releases the
    // sheet and the teams.
    int ExitInstance();
    // Offers back, one by one, the painted part files of runs that ended without cleaning up, until the
    // user continues one. True when this run continues one (it then holds that run's folder).
    bool OfferEndedRuns();

    // The settings: "Path", "EditorPath", "MardekPath". LoadSettings finds the game on a first run.
    bool LoadSettings();
    void SaveSettings();

    // Where the settings live: the user's own (organisation "Olvenar", application "Tarnix"; on Windows
    // HKEY_CURRENT_USER\Software\Olvenar\Tarnix), or the INI file `m_settingsFile` when it is set.
    std::unique_ptr<QSettings> OpenSettings() const;

    JerseyModel m_model;
    CPageOne* m_pageOne = nullptr;
    CPageTwo* m_pageTwo = nullptr;
    CPageThree* m_pageThree = nullptr;
    std::unique_ptr<CWizardSheet> m_sheet;
    // The run's work folder, where the part files live while the user paints them.
    std::unique_ptr<CWorkFolder> m_work;

    // Not state of the wizard: where the settings live and a game folder given on the command line.
    QString m_settingsFile;
    QString m_gameFolderOverride;
    int m_exitCode = 0;
    bool m_settingsLoaded = false;
};

} // namespace tarnix
