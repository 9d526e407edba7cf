#include "app/TarnixApp.h"

#include "app/GameRegistration.h"
#include "app/Language.h"
#include "app/TarnixCommandLineInfo.h"
#include "archive/FileIO.h"
#include "ui/OrphanFiles.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "ui/WorkFolder.h"
#include "wizard/PageOne.h"
#include "wizard/PageThree.h"
#include "wizard/PageTwo.h"
#include "wizard/WizardSheet.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

namespace tarnix
{

// The version line of page one; it opens the user guide.
const char* const kVersionText = QT_TRANSLATE_NOOP("tarnix::CTarnixApp", "Tarnix BETA - user guide");

namespace
{

const QString kPathValue = QStringLiteral("Path");
const QString kEditorPathValue = QStringLiteral("EditorPath");
const QString kMardekPathValue = QStringLiteral("MardekPath");
const QString kNearestColoursValue = QStringLiteral("NearestColours");
const QString kPaintWholeShirtValue = QStringLiteral("PaintWholeShirt");
const QString kLanguageValue = QStringLiteral("Language");

QString Tr(const char* text)
{
    return QCoreApplication::translate("tarnix::CTarnixApp", text);
}

} // namespace

CTarnixApp::CTarnixApp() = default;

CTarnixApp::~CTarnixApp() = default;

int CTarnixApp::Run(const QStringList& arguments)
{
    InitInstance(arguments);
    const int code = ExitInstance();
    return m_exitCode != 0 ? m_exitCode : code;
}

bool CTarnixApp::InitInstance(const QStringList& arguments)
{
    if (StartUp(arguments))
    {
        m_sheet->exec();
    }
    return false;
}

bool CTarnixApp::StartUp(const QStringList& arguments)
{
    const CTarnixCommandLineInfo info = CTarnixCommandLineInfo::Parse(arguments);
    if (const std::optional<int> code = info.AnswerOnTerminal())
    {
        m_exitCode = *code;
        return false;
    }
    m_model.m_jerseyPath = info.m_fileName;
    m_model.m_thumbnailNumber = info.m_thumbnailNumber;
    if (!info.m_settingsFile.isEmpty())
    {
        m_settingsFile = info.m_settingsFile;
    }
    if (!info.m_gameFolder.isEmpty())
    {
        m_gameFolderOverride = QDir::toNativeSeparators(QFileInfo(info.m_gameFolder).absoluteFilePath());
    }
    // Before any window or question: the first-run question already speaks the user's language.
    UseLanguage(
        ChooseLanguage(info.m_language, OpenSettings()->value(kLanguageValue).toString(), DesktopLanguages()));
    m_model.m_versionText = Tr(kVersionText);

    LoadSettings();
    // The wizard works without teams; say why the list of teams stays empty.
    if (const QString problem = m_model.ReadTeams(); !problem.isEmpty())
    {
        std::fprintf(stderr, "tarnix: team list: %s\n", qPrintable(problem));
    }

    // Temporary files of earlier runs that ended without removing them.
    RemoveOrphanPartFiles(QDir::tempPath(), QDateTime::currentDateTime());
    const bool continued = OfferEndedRuns();
    if (!m_work)
    {
        m_work = CWorkFolder::Create(WorkFolderRoot());
        m_model.m_work = m_work.get();
    }

    m_sheet = std::make_unique<CWizardSheet>();
    m_pageOne = new CPageOne(m_model);
    m_sheet->AddPage(m_pageOne);
    m_pageTwo = new CPageTwo(m_model);
    m_sheet->AddPage(m_pageTwo);
    m_pageThree = new CPageThree(m_model);
    m_sheet->AddPage(m_pageThree);
    // A thumbnail number that cannot be used is told now, not after the first save.
    m_pageThree->CheckThumbnailNumber();
    if (continued)
    {
        m_sheet->StartOn(CWizardSheet::DesignPage);
    }
    return true;
}

bool CTarnixApp::OfferEndedRuns()
{
    for (std::unique_ptr<CWorkFolder>& run : CWorkFolder::TakeOverEndedRuns(WorkFolderRoot()))
    {
        if (m_work)
        {
            break; // the others stay for the next start
        }
        // The date in the words of the language the program speaks; English as the C locale writes it.
        const QLocale locale =
            CurrentLanguage() == QLatin1String("en") ? QLocale::c() : QLocale(CurrentLanguage());
        const QString text =
            QCoreApplication::translate("tarnix::CTarnixApp", "Tarnix found unsaved designs of %1 "
                                                              "from %2. Continue editing them?")
                .arg(QFileInfo(run->Record().jersey).fileName(),
                     locale.toString(run->LastPainted(), QStringLiteral("d MMMM, HH:mm")));
        switch (ShowMessage(nullptr, text, MsgButtons::YesNoDiscard, MsgIcon::Question))
        {
        case MsgAnswer::Yes:
            if (m_model.ContinueWork(*run))
            {
                m_work = std::move(run);
            }
            break;
        case MsgAnswer::Discard:
            run->Discard();
            break;
        default:
            break; // kept: offered again at the next start
        }
    }
    return m_work != nullptr;
}

int CTarnixApp::ExitInstance()
{
    // The page the wizard ended on is left first: it hands back what the user typed on it (the editor
    // path, the colours) and deletes its own temporary files, also when the wizard was cancelled.
    if (m_sheet)
    {
        m_sheet->LeaveCurrentPage();
    }
    SaveSettings();
    m_model.DeletePartFiles();
    m_model.m_work = nullptr;
    if (m_work)
    {
        m_work->Finish();
        m_work.reset();
    }
    m_sheet.reset();
    m_pageOne = nullptr;
    m_pageTwo = nullptr;
    m_pageThree = nullptr;
    m_model.m_teams.clear();
    return 0;
}

std::unique_ptr<QSettings> CTarnixApp::OpenSettings() const
{
    if (!m_settingsFile.isEmpty())
    {
        return std::make_unique<QSettings>(m_settingsFile, QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Olvenar"),
                                       QStringLiteral("Tarnix"));
}

bool CTarnixApp::LoadSettings()
{
    m_settingsLoaded = true;
    std::unique_ptr<QSettings> settings = OpenSettings();
    // The editor's and Mardek's folders are read whenever they are there, so that a settings store
    // without a game folder does not lose them at exit.
    m_model.m_editorPath = settings->value(kEditorPathValue).toString();
    m_model.m_mardekFolder = settings->value(kMardekPathValue).toString();
    m_model.m_nearestColours = settings->value(kNearestColoursValue, false).toBool();
    m_model.m_paintMode =
        settings->value(kPaintWholeShirtValue, false).toBool() ? PaintMode::Pictures : PaintMode::Designs;
    if (settings->contains(kPathValue))
    {
        m_model.SetGameFolder(m_gameFolderOverride.isEmpty() ? settings->value(kPathValue).toString()
                                                             : m_gameFolderOverride);
        return true;
    }

    // First run: where the game was installed, or where the user says it is.
    QString found;
    if (!m_gameFolderOverride.isEmpty())
    {
        found = m_gameFolderOverride;
    }
    else if (std::optional<QString> registered = FindRegisteredGameFolder())
    {
        found = *registered;
    }
    else
    {
        if (ShowMessage(nullptr, MissingGameQuestion(), MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
        {
            return false;
        }
        std::optional<QString> chosen =
            BrowseForFolder(nullptr, Tr(QT_TRANSLATE_NOOP("tarnix::CTarnixApp", "Select FIFA99 directory")),
                            InitialGameSearchFolder());
        if (!chosen)
        {
            return false;
        }
        found = QDir::toNativeSeparators(*chosen);
    }
    settings->setValue(kPathValue, found);
    settings->sync();
    // The folder serves this run even when it could not be stored.
    m_model.SetGameFolder(found);
    if (settings->status() != QSettings::NoError)
    {
        std::fprintf(stderr, "tarnix: could not store the game folder in %s\n", qPrintable(settings->fileName()));
        return false;
    }
    return true;
}

void CTarnixApp::SaveSettings()
{
    // A run that never read the settings (--help, a bad command line) has nothing of them to write back.
    if (!m_settingsLoaded)
    {
        return;
    }
    std::unique_ptr<QSettings> settings = OpenSettings();
    if (settings->contains(kPathValue) || !m_model.m_gameFolder.isEmpty())
    {
        settings->setValue(kPathValue, m_model.m_gameFolder);
        settings->setValue(kEditorPathValue, m_model.m_editorPath);
        settings->setValue(kMardekPathValue, m_model.m_mardekFolder);
    }
    else
    {
        // No game folder known yet: "Path" stays absent so that the next start looks for the game again,
        // but what the user did set is kept.
        if (!m_model.m_editorPath.isEmpty() || settings->contains(kEditorPathValue))
        {
            settings->setValue(kEditorPathValue, m_model.m_editorPath);
        }
        if (!m_model.m_mardekFolder.isEmpty() || settings->contains(kMardekPathValue))
        {
            settings->setValue(kMardekPathValue, m_model.m_mardekFolder);
        }
    }
    // Written once the user has turned it on, so that settings from before it existed stay as they were.
    if (m_model.m_nearestColours || settings->contains(kNearestColoursValue))
    {
        settings->setValue(kNearestColoursValue, m_model.m_nearestColours);
    }
    const bool wholeShirt = m_model.m_paintMode == PaintMode::Pictures;
    if (wholeShirt || settings->contains(kPaintWholeShirtValue))
    {
        settings->setValue(kPaintWholeShirtValue, wholeShirt);
    }
    settings->sync();
    if (settings->status() != QSettings::NoError)
    {
        std::fprintf(stderr, "tarnix: could not save the settings in %s\n", qPrintable(settings->fileName()));
    }
}

} // namespace tarnix
