#pragma once

// The application object: the state of one run, shared by the wizard's pages. There is one instance,
// created by main; pages reach it through the pointer they are given.

#include "archive/JerseyTypes.h"
#include "archive/PartExport.h"
#include "teams/TeamRecord.h"

#include <QString>
#include <QStringList>
#include <array>
#include <filesystem>
#include <memory>

namespace tarnix
{

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

    // Sets the game folder and, in the same step, the textures folder under it.
    void SetGameFolder(const QString& folder);

    // Deletes the eight part files and empties their slots.
    void DeletePartFiles();

    // Paths between Qt and the core.
    static std::filesystem::path ToPath(const QString& path);
    static QString FromPath(const std::filesystem::path& path);

    QString m_gameFolder;
    QString m_previewFile;
    QString m_jerseyLabel;
    JerseyColours m_jerseyColours{};
    QString m_mardekFolder;
    int m_thumbnailNumber = -1;
    int m_saved = 0;
    QString m_versionText;
    QString m_editorPath;
    QString m_texturesFolder;
    CPageOne* m_pageOne = nullptr;
    CPageTwo* m_pageTwo = nullptr;
    CPageThree* m_pageThree = nullptr;
    std::unique_ptr<CWizardSheet> m_sheet;
    QString m_jerseyPath;
    std::array<QString, PartSlotCount> m_partFiles;
    TeamCollection m_teams;
};

} // namespace tarnix
