#include "app/InstallsMenu.h"

#include "app/AddServerDialog.h"
#include "app/ServerHoldings.h"
#include "app/TextPrompt.h"
#include "app/TranslatedString.h"
#include "session/EditingSession.h"
#include "text/Translated.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QMenu>

namespace {

QString Text(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

struct FolderChoice {
    const char* caption;
    Product product;
};

constexpr const char* kWorkingFolderOnly
    = TranslatedLater("Started with +bvrm: publishing only into the working folder");

constexpr FolderChoice kFolderChoices[] = {
    {TranslatedLater("Choose Game Folder..."), Product::Game},
    {TranslatedLater("Choose Server Folder..."), Product::Server},
};

// The group box around anchor and the controls inside it: the box and its
// buttons are siblings in the window.
QList<QWidget*> BoxAndControls(QWidget& window, const QWidget& anchor)
{
    QList<QWidget*> owners;
    for (QGroupBox* box : window.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        if (!box->geometry().contains(anchor.geometry()))
            continue;
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (box->geometry().contains(child->geometry()))
                owners.append(child);
        }
    }
    return owners;
}

}  // namespace

InstallsMenu::InstallsMenu(QWidget& window, const QWidget& anchor, EditingSession& session,
    ServerHoldings& servers, PublishScope scope)
    : window_(window)
    , session_(session)
    , servers_(servers)
    , scope_(scope)
{
    for (QWidget* owner : BoxAndControls(window, anchor))
        owner->installEventFilter(this);
}

bool InstallsMenu::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return false;
    QMenu menu(&window_);
    Fill(menu);
    menu.exec(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

void InstallsMenu::AddHolding(QMenu& menu, PublishTarget target)
{
    if (!session_.publishTargets().IsAvailable(target))
        return;
    const PublishDestination destination = session_.publishTargets().Destinations(target).front();
    const auto holdingText = [this, destination] {
        return Text(Translated("Holds: ") + servers_.TextOf(destination));
    };
    QAction* holding = menu.addAction(holdingText());
    holding->setEnabled(false);
    // A server's answer comes while the menu is open.
    QObject::connect(&servers_, &ServerHoldings::Answered, holding,
        [holding, holdingText] { holding->setText(holdingText()); });
    servers_.Ask({destination});
}

void InstallsMenu::Fill(QMenu& menu)
{
    if (scope_ == PublishScope::WorkingFolderOnly) {
        menu.addAction(TranslatedString(kWorkingFolderOnly))->setEnabled(false);
        return;
    }
    AddInstalls(menu);
    menu.addSeparator();
    AddFolderChoices(menu);
    AddServers(menu);
}

void InstallsMenu::AddServers(QMenu& menu)
{
    menu.addSection(QString::fromUtf8(Translated("Servers")));
    for (const ServerEntry& server : session_.publishTargets().servers()) {
        QAction* chosen = menu.addAction(Text(server.name + " (" + server.url + ")"));
        chosen->setCheckable(true);
        chosen->setChecked(server.use == ServerUse::PublishedTo);
        QObject::connect(chosen, &QAction::toggled, &menu, [this, name = server.name](bool on) {
            session_.ChooseServer(name, on ? ServerUse::PublishedTo : ServerUse::LeftOut);
        });
        QObject::connect(menu.addAction(Text(Translated("Remove ") + server.name)),
            &QAction::triggered, &menu,
            [this, name = server.name] { session_.RemoveServer(name); });
    }
    QObject::connect(menu.addAction(QString::fromUtf8(Translated("Add Remote Server..."))),
        &QAction::triggered, &menu, [this] { AddServer(); });
    AddImports(menu);
}

void InstallsMenu::AddImports(QMenu& menu)
{
    QMenu* imports = menu.addMenu(QString::fromUtf8(Translated("Import From Server...")));
    std::vector<PublishDestination> sources;
    if (session_.publishTargets().IsAvailable(PublishTarget::Server))
        sources = session_.publishTargets().Destinations(PublishTarget::Server);
    for (const ServerEntry& server : session_.publishTargets().servers()) {
        ServerDestination found = DestinationOf(server);
        if (found.destination && server.use == ServerUse::LeftOut)
            sources.push_back(std::move(*found.destination));
    }
    imports->setEnabled(!sources.empty());
    for (const PublishDestination& source : sources)
        QObject::connect(imports->addAction(Text(source.label + ": " + source.text)),
            &QAction::triggered, &menu, [this, source] { Import(source); });
}

void InstallsMenu::AddServer()
{
    AddServerDialog dialog(&window_);
    if (const std::optional<ServerEntry> server = dialog.Ask())
        session_.AddServer(*server);
}

void InstallsMenu::Import(const PublishDestination& source)
{
    TextPrompt prompt;
    if (prompt.Run(&window_, QString::fromUtf8(Translated("Import From Server")),
            QString::fromUtf8(Translated("What would you like the imported profile to be called?")),
            QString(), TextPrompt::Echo::Plain)
        == TextPrompt::Ok)
        session_.Import(source, QFile::encodeName(prompt.ResultText()).toStdString());
}

void InstallsMenu::AddInstalls(QMenu& menu)
{
    for (const InstallKind& kind : installKinds) {
        menu.addSection(QString::fromUtf8(std::string_view(kind.caption)));
        AddHolding(menu, TargetOf(kind.product));
        const ProductInstalls& installs = session_.installs().Of(kind.product);
        if (installs.found.empty() && installs.problem != InstallProblem::None)
            menu.addAction(Text(DescribeProblem(installs.problem, installs.problemDetail)))
                ->setEnabled(false);
        for (const FoundInstall& install : installs.found) {
            QAction* action = menu.addAction(Text(InstallEntryText(install)));
            action->setCheckable(true);
            action->setChecked(&install == installs.InUse());
            action->setEnabled(install.problem == InstallProblem::None);
            const Product product = kind.product;
            const std::filesystem::path folder = install.location.folder;
            QObject::connect(action, &QAction::triggered, &menu,
                [this, product, folder] { session_.ChooseInstallFolder(product, folder); });
        }
    }
    menu.addSection(QStringLiteral("CWD"));
    AddHolding(menu, PublishTarget::WorkingFolder);
    const std::vector<SkippedFile>& skippedFiles = session_.installs().skippedFiles;
    if (!skippedFiles.empty())
        menu.addSection(TranslatedString("Skipped Files"));
    for (const SkippedFile& skipped : skippedFiles)
        menu.addAction(Text(skipped.Text()))->setEnabled(false);
}

void InstallsMenu::AddFolderChoices(QMenu& menu)
{
    for (const FolderChoice& choice : kFolderChoices) {
        QObject::connect(menu.addAction(TranslatedString(choice.caption)), &QAction::triggered,
            &menu, [this, product = choice.product] { session_.AskInstallFolder(product); });
    }
    QObject::connect(menu.addAction(TranslatedString("Forget Chosen Folders")), &QAction::triggered,
        &menu, [this] { session_.ForgetChosenFolders(); });
}
