#include "ui/form1.h"

#include "desktop/desktopfolders.h"
#include "desktop/weblauncher.h"
#include "desktop/workbookopener.h"
#include "document/gamefile.h"
#include "document/gamenotes.h"
#include "engine/allocation.h"
#include "engine/preload.h"
#include "ui/aboutbox.h"
#include "ui/accessibility.h"
#include "ui/busycursor.h"
#include "ui/choicegate.h"
#include "ui/clickablelabel.h"
#include "ui/dialogplacement.h"
#include "ui/firstactivation.h"
#include "ui/focusring.h"
#include "ui/gamefiledialogs.h"
#include "ui/listundokeys.h"
#include "ui/numberboxfilter.h"
#include "ui/picture.h"
#include "ui/qtbridge.h"
#include "ui/selectionview.h"
#include "version.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <tuple>

static void InitialiseResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace ornal {

namespace {

Form1Services WithDefaults(Form1Services services, Form1* window)
{
    if (!services.openUrl) {
        services.openUrl = [](std::string_view address) { return OpenUrl(address); };
    }
    if (!services.exportList) {
        services.exportList = [](ExportRequest request) {
            request.folder = DocumentsFolder();
            request.open = OpenWithRegisteredApplication;
            return ExportCombinationList(request);
        };
    }
    if (!services.quit) {
        services.quit = [window] { window->close(); };
    }
    if (!services.clipboardText) {
        services.clipboardText = [] { return QGuiApplication::clipboard()->text().toStdString(); };
    }
    AddGameFileDefaults(services, window);
    return services;
}

} // namespace

Form1::Form1(QStringList arguments, std::unique_ptr<MessageBoxes> messages, Form1Services services, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_numberFilter(new NumberBoxFilter(this))
    , m_model(new CombinationListModel(m_game.list(), this))
    , m_messages(messages ? std::move(messages) : std::make_unique<QtMessageBoxes>(this))
    , m_services(WithDefaults(std::move(services), this))
    , m_arguments(std::move(arguments))
{
    InitialiseResources();
    InstallAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(text::kProgramTitle));
    setWindowIcon(Picture(QStringLiteral(":/hammer.png")));
    setFixedSize(TwipsToPixels(5325), TwipsToPixels(8610));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    m_ui.build(this, m_numberFilter);
    m_ext.build(this, m_ui.TotalComb);
    // The new toolbar buttons continue the top row in the keyboard order too.
    QWidget* previous = m_ui.Command8;
    for (QWidget* button : { m_ext.OuvrirJeu, m_ext.EnregistrerJeu, m_ext.ImprimerJeu, m_ext.AnnulerJeu,
             m_ext.CoutGains, m_ext.ReduireJeu }) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    m_ui.List1->setModel(m_model);
    m_commands.build(this);
    m_costs = std::make_unique<CostView>(m_game,
        CostView::Window { this, m_ui, m_ext, m_commands,
            [this](const GameOutcome& outcome) { m_view->showChanges(outcome); },
            [this](CombinationList::Count line) { m_view->selectLine(line); }, m_services.clipboardText });
    m_view = std::make_unique<GameView>(m_game, m_ui, *m_model, *m_messages, m_commands, *m_costs);
    m_listCommands = std::make_unique<ListCommands>(m_game, *m_view, *m_messages, m_ui, m_ext, m_commands);
    m_files = std::make_unique<GameFiles>(m_game, *m_view, *m_messages, m_services, this, m_ext, m_commands);
    m_reduction = std::make_unique<ReduceView>(m_game, *m_view, *m_messages, this, m_ext, m_commands);
    initialiseControls();
    connectControls();
    (new ListUndoKeys(this))->watchBoxesOf(this);
    new FocusRing(this);
    // The preload runs on the first activation only: the window is activated again each time the player comes
    // back to it, and a second run would throw away a list the player had filtered.
    new FirstActivation(this, [this] { PreloadFromCommandLine(); });
    centreOnScreen();
    m_files->rememberStart();
}

Form1::~Form1()
{
    // Children emit signals while they are destroyed; the handlers must not run on a half-destroyed window.
    for (QObject* child : findChildren<QObject*>()) {
        disconnect(child, nullptr, this, nullptr);
    }
}

void Form1::connectControls()
{
    // A choice's typed text reaches the game as it is typed; its rules run only for an entry picked from the list.
    // Enter in its text, as in a number box, computes.
    const std::tuple<QComboBox*, Game::Choice, void (Form1::*)()> choices[]
        = { { m_ui.NombreChevaux, Game::Choice::HorseCount, &Form1::ChooseHorseCount },
              { m_ui.Jeu, Game::Choice::BetSize, &Form1::ChooseBetSize },
              { m_ui.Base, Game::Choice::BaseMode, &Form1::ChooseBaseMode } };
    for (const auto& [box, choice, react] : choices) {
        auto* gate = new ChoiceGate(box);
        connect(box, &QComboBox::editTextChanged, this, [this, choice = choice](const QString& text) {
            if (!m_view->showing()) {
                (void)m_game.typeChoice(choice, ToStd(text));
            }
        });
        connect(box, &QComboBox::activated, this, [this, gate, react = react] {
            if (!gate->committingTypedText()) {
                (this->*react)();
            }
        });
        connect(gate, &ChoiceGate::enterPressed, this, [this] { ComputeCombinations(); });
    }
    connect(m_numberFilter, &NumberBoxFilter::enterPressed, this, [this](QObject* box) {
        if (std::find(m_ui.Text1.begin(), m_ui.Text1.end(), box) != m_ui.Text1.end()) {
            ComputeCombinations();
        }
    });
    for (int i = 0; i < kNumberBoxCount; ++i) {
        connect(m_ui.Text1[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            if (!m_view->showing()) {
                (void)m_game.typeNumber(i, ToStd(text));
            }
        });
        connect(m_ui.Check1[i], &QCheckBox::toggled, this, [this, i](bool ticked) {
            if (!m_view->showing()) {
                tickMark(i, ticked);
            }
        });
    }
    for (int i = 0; i < kResultBoxCount; ++i) {
        connect(m_ui.txtscan[i], &QLineEdit::textChanged, this, [this, i](const QString& text) {
            if (!m_view->showing()) {
                (void)m_game.typeResult(i, ToStd(text));
            }
        });
    }
    connect(m_ui.Picture10, &ClickableLabel::clicked, this, [this] { ComputeCombinations(); });
    connect(m_ui.Valider, &QPushButton::clicked, this, [this] { ComputeCombinations(); });
    connect(m_ui.Command7, &QPushButton::clicked, this, [this] { ExportToSpreadsheet(); });
    connect(m_ui.Command6, &QPushButton::clicked, this, [this] { OpenWebSite(); });
    connect(m_ui.Command8, &QPushButton::clicked, this, [this] { ShowVersionBox(); });
    connect(m_ui.Command1, &QPushButton::clicked, this, [this] { m_services.quit(); });
    KeepLogoHomes(m_ui);
    // The game as it starts, once every picture knows its first place.
    m_view->showGame();
}

void Form1::initialiseControls()
{
    m_ui.Jeu->addItems({ QStringLiteral(" "), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
        QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7") });
    m_ui.Jeu->setCurrentIndex(0);
    m_ui.Base->addItems({ ToQString(text::kNoBase), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3") });
    m_ui.Base->setCurrentIndex(0);
    for (int n = 4; n <= 20; ++n) {
        m_ui.NombreChevaux->addItem(QString::number(n));
    }
    for (QComboBox* filter : { m_ui.garde, m_ui.supp }) {
        for (int n = 1; n <= 20; ++n) {
            filter->addItem(QString::number(n));
        }
    }
    for (QComboBox* empty : { m_ui.NombreChevaux, m_ui.garde, m_ui.supp }) {
        empty->setCurrentIndex(-1);
        empty->setEditText(QString());
    }
    m_ui.List2->hide();
}

void Form1::ChooseHorseCount()
{
    m_view->showChanges(m_game.chooseHorseCount(ToStd(m_ui.NombreChevaux->currentText())));
}

void Form1::ChooseBaseMode()
{
    const GameOutcome outcome = m_game.chooseBaseMode(ToStd(m_ui.Base->currentText()));
    m_view->showChanges(outcome);
    m_view->showRefusal(outcome);
}

void Form1::tickMark(int mark, bool ticked)
{
    const GameOutcome outcome = m_game.setMark(mark, ticked);
    // The message comes first: the refused tick is undone once the player has read it.
    m_view->showRefusal(outcome);
    m_view->showChanges(outcome);
}

void Form1::ChooseBetSize()
{
    const GameOutcome outcome = m_game.chooseBetSize(ToStd(m_ui.Jeu->currentText()));
    m_view->showChanges(outcome);
    m_view->showRefusal(outcome);
}

void Form1::ComputeCombinations()
{
    BusyCursor busy;
    const std::optional<GameOutcome> outcome = TryAllocating([this] { return m_game.compute(); });
    if (!outcome) {
        busy.restore();
        m_view->showOutOfMemory();
        return;
    }
    if (!outcome->ok()) {
        busy.restore();
    }
    m_view->showRefusal(*outcome);
    m_view->showChanges(*outcome);
}

void Form1::PreloadFromCommandLine()
{
    std::vector<std::string> arguments;
    for (const QString& argument : m_arguments) {
        arguments.push_back(ToStd(argument));
    }
    m_commandLineText = JoinCommandLine(arguments);
    if (const std::optional<std::filesystem::path> game = GameFileNamed(arguments)) {
        (void)m_game.setFile(m_files->openGameFile(*game) ? *game : std::filesystem::path());
        return;
    }
    const std::optional<PreloadFields> fields = ParsePreload(m_commandLineText);
    if (!fields) {
        return;
    }
    const GameOutcome outcome = m_game.preload(*fields);
    m_view->showChanges(outcome);
    m_view->showRefusal(outcome);
    m_ui.Text1[0]->setFocus();
    ComputeCombinations();
}

void Form1::ExportToSpreadsheet()
{
    const CombinationList& list = m_game.list();
    ExportRequest request { .list = list };
    request.selectionText = m_game.lastSelectionText();
    request.baseText = m_game.selection().baseText;
    request.caption = ToStd(windowTitle());
    request.notes = GameNotes(m_game.saved());
    std::optional<BusyCursor> busy;
    if (!list.empty()) {
        busy.emplace();
    }
    const ExportOutcome outcome = m_services.exportList(request);
    busy.reset();
    if (outcome.selectedLine && *outcome.selectedLine < list.size()) {
        m_ui.List1->setCurrentIndex(m_model->index(static_cast<int>(*outcome.selectedLine)));
    }
    if (outcome.refusal) {
        m_messages->show(outcome.refusal->message);
    }
}

void Form1::OpenWebSite()
{
    m_services.openUrl(kMakerAddress);
}

void Form1::ShowVersionBox()
{
    m_messages->show(AboutMessage(ORNAL_VERSION));
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing cannot be refused: the program ends at once, without a question; the game is kept to reopen.
    m_files->saveLastGame();
    event->accept();
}

void Form1::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(CentredTopLeft(screen->availableGeometry(), size()));
    }
}

} // namespace ornal
