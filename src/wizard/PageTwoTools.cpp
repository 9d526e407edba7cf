#include "wizard/PageTwo.h"

#include "archive/FileIO.h"
#include "ui/CoreMessages.h"
#include "ui/Platform.h"
#include "ui/QtPaths.h"
#include "wizard/JerseyModel.h"
#include "wizard/PaintedParts.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QWidget>

// The page's tools beside the parts: choosing the painting program and saving the palette to paint with.

namespace tarnix
{

void CPageTwo::OnBrowse()
{
    // The editors this machine has come first; the file chooser finds any other program.
    const QList<InstalledEditor> installed = InstalledEditors();
    if (!installed.isEmpty())
    {
        QStringList items;
        for (const InstalledEditor& found : installed)
        {
            items << found.name;
        }
        items << tr("Other program...");
        const std::optional<int> choice =
            ChooseFromMenu(findChild<QWidget*>(QString::number(BrowseButton)), items);
        if (!choice)
        {
            return;
        }
        if (*choice < installed.size())
        {
            m_editor->setText(installed[*choice].command);
            return;
        }
    }
    FileDialogRequest request;
    request.save = false;
#ifdef Q_OS_WIN
    request.filter = tr("Executable Files (*.EXE *.exe);;All Files (*)");
    request.defaultSuffix = QStringLiteral("EXE");
#else
    // Programs here carry no .EXE; the executables filter stays for Windows editors run through Wine.
    request.filter = tr("All Files (*);;Executable Files (*.EXE *.exe)");
#endif
    if (auto chosen = ChooseFile(this, request))
    {
        m_editor->setText(*chosen);
    }
}

void CPageTwo::OnSavePalette()
{
    if ((m_model.m_paintMode == PaintMode::Pictures ? m_model.m_pictureFiles[0] : m_model.m_partFiles[FrontDesign])
            .isEmpty())
    {
        ShowMessage(this, tr("The jersey's parts have not been prepared, so there is no palette to save."));
        return;
    }
    const QString jersey = QFileInfo(m_model.m_jerseyPath).completeBaseName();
    FileDialogRequest request;
    request.save = true;
    request.title = tr("Save palette");
    request.initialPath = QDir::home().filePath(jersey + QStringLiteral(".gpl"));
    request.filter = tr("GIMP Palette (*.gpl);;All Files (*)");
    request.defaultSuffix = QStringLiteral("gpl");
    const std::optional<QString> chosen = ChooseFile(this, request);
    if (!chosen || (QFileInfo::exists(*chosen) &&
                    ShowMessage(this, tr("%1 already exists. Do you want to overwrite it?").arg(*chosen),
                                MsgButtons::YesNoDefaultNo) != MsgAnswer::Yes))
    {
        return;
    }
    const std::string text = PaintingPalette(m_model, "Tarnix " + jersey.toStdString());
    const Status written = WriteFileAtomic(
        ToPath(*chosen), ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!written)
    {
        ShowMessage(this, tr("The palette could not be saved:\n\n%1").arg(CoreMessage(written.error())));
    }
}

} // namespace tarnix
