#include "ui/form1.h"

#include "desktop/desktopfolders.h"
#include "desktop/weblauncher.h"
#include "desktop/workbookopener.h"
#include "document/gamefile.h"
#include "document/gamenotes.h"
#include "engine/allocation.h"
#include "engine/combinationengine.h"
#include "engine/numericvalue.h"
#include "engine/preload.h"
#include "engine/selectionflow.h"
#include "listops/filters.h"
#include "listops/search.h"
#include "ui/aboutbox.h"
#include "ui/accessibility.h"
#include "ui/busycursor.h"
#include "ui/choicegate.h"
#include "ui/clickablelabel.h"
#include "ui/dialogplacement.h"
#include "ui/extensioncontrols.h"
#include "ui/focusring.h"
#include "ui/gamefiledialogs.h"
#include "ui/listundokeys.h"
#include "ui/messageboxes.h"
#include "ui/numberboxfilter.h"
#include "ui/picture.h"
#include "ui/qtbridge.h"
#include "ui/selectionview.h"
#include "version.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

static void InitialiseResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace ornal {

namespace {

std::string Text(const QComboBox* box)
{
    return ToStd(box->currentText());
}

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
    , m_model(new CombinationListModel(this))
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
    InitialiseMainWindow();
    connectControls();
    connectListMenu();
    (new ListUndoKeys(this))->watchBoxesOf(this);
    new FocusRing(this);
    centreOnScreen();
    m_startingGame = currentGame();
}

Form1::~Form1()
{
    // Children emit signals while they are destroyed; the handlers must not run on a half-destroyed window.
    m_closing = true;
    for (QObject* child : findChildren<QObject*>()) {
        disconnect(child, nullptr, this, nullptr);
    }
}

void Form1::connectControls()
{
    // The choices react only to an entry picked from the list; Enter in their text, as in a number box, computes.
    const std::pair<QComboBox*, void (Form1::*)()> choices[] = { { m_ui.NombreChevaux, &Form1::ChooseHorseCount },
        { m_ui.Jeu, &Form1::ChooseBetSize }, { m_ui.Base, &Form1::ChooseBaseMode } };
    for (const auto& [box, react] : choices) {
        auto* gate = new ChoiceGate(box);
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
        connect(m_ui.Check1[i], &QCheckBox::toggled, this, [this, i] { ToggleBaseMark(i); });
    }
    connect(m_ui.Picture10, &ClickableLabel::clicked, this, [this] { ComputeCombinations(); });
    connect(m_ui.Valider, &QPushButton::clicked, this, [this] { ComputeCombinations(); });
    connect(m_ui.Command3, &QPushButton::clicked, this, [this] { KeepCombinationsWith(); });
    connect(m_ui.Command4, &QPushButton::clicked, this, [this] { RemoveCombinationsWith(); });
    connect(m_ui.Command5, &QPushButton::clicked, this, [this] { ShuffleWithinCombinations(); });
    connect(m_ui.Command2, &QPushButton::clicked, this, [this] { SearchResult(); });
    connect(m_ui.Command7, &QPushButton::clicked, this, [this] { ExportToSpreadsheet(); });
    connect(m_ui.Command6, &QPushButton::clicked, this, [this] { OpenWebSite(); });
    connect(m_ui.Command8, &QPushButton::clicked, this, [this] { ShowVersionBox(); });
    connect(m_ui.Command1, &QPushButton::clicked, this, [this] { m_services.quit(); });
    connectCosts();
    connect(m_ext.ReduireJeu, &QPushButton::clicked, this, [this] { ReduceList(); });
    connectGameControls();
}

void Form1::InitialiseMainWindow()
{
    m_ui.Jeu->addItems({ QStringLiteral(" "), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
        QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7") });
    m_ui.Jeu->setCurrentIndex(0);
    m_ui.Jeu->hide();
    m_ui.JeuLabel->hide();
    m_ui.Base->addItems({ ToQString(text::kNoBase), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3") });
    m_ui.Base->setCurrentIndex(0);
    m_baseCount = -1;
    m_ui.Base->hide();
    m_ui.BaseLabel->hide();
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
    for (int i = 0; i < kNumberBoxCount; ++i) {
        m_ui.Text1[i]->hide();
        m_ui.Check1[i]->hide();
    }
    for (int i = 0; i < kResultBoxCount; ++i) {
        m_ui.txtscan[i]->setVisible(i <= 2);
    }
    m_ui.Command5->hide();
    m_ui.Valider->hide();
    m_ui.TotalComb->setText(ToQString(text::kChooseHorseCount));
    m_ui.List2->hide();
}

void Form1::ChooseHorseCount()
{
    Selection sel = readSelection();
    ornal::ChooseHorseCount(sel);
    showSelection(sel);
    m_ui.TotalComb->setText(ToQString(text::kChooseBetTypeNow));
}

void Form1::ChooseBaseMode()
{
    Selection sel = readSelection();
    const FlowOutcome outcome = ornal::ChooseBaseMode(sel);
    if (outcome.status != FlowOutcome::Status::NoHorseCount) {
        showSelection(sel);
    }
    showFlowOutcome(outcome);
}

void Form1::ToggleBaseMark(int mark)
{
    if (m_closing || m_showingSelection) {
        return;
    }
    Selection sel = readSelection();
    const FlowOutcome outcome = ornal::ToggleBaseMark(sel, mark);
    // The message comes first: the refused tick is undone once the player has read it.
    showFlowOutcome(outcome);
    if (outcome.message) {
        showSelection(sel);
    }
}

void Form1::ChooseBetSize()
{
    Selection sel = readSelection();
    const FlowOutcome outcome = ornal::ChooseBetSize(sel);
    if (!outcome.message) {
        showSelection(sel);
        chooseDefaultBetType();
    }
    showFlowOutcome(outcome);
}

void Form1::ComputeCombinations()
{
    const Selection sel = readSelection();
    BusyCursor busy;
    std::optional<ornal::ComputeResult> computed = TryAllocating([&sel] { return ornal::ComputeCombinations(sel); });
    if (!computed) {
        busy.restore();
        showOutOfMemory();
        return;
    }
    ornal::ComputeResult& result = *computed;
    // A refused bet size stops before the prediction is read: the selection text of the list shown stays.
    if (result.status != ornal::ComputeResult::Status::NoBetSize) {
        m_selectionText = result.selectionText;
    }
    if (result.message) {
        busy.restore();
        m_messages->show(*result.message);
        showComputeRefusal(result);
        return;
    }
    if (!TryAllocating([&] {
            replaceList(std::move(result.list));
            return true;
        })) {
        busy.restore();
        showOutOfMemory();
        return;
    }
    m_ui.Command5->show();
}

void Form1::showOutOfMemory()
{
    showCount();
    m_messages->show(Message { std::string(text::kOutOfMemory), MessageIcon::Critical });
}

void Form1::showComputeRefusal(const ComputeResult& result)
{
    using Status = ComputeResult::Status;
    if (result.status == Status::NoBetSize && !m_ui.Jeu->isHidden()) {
        m_ui.Jeu->setFocus();
    }
    if (result.box < 0) {
        return;
    }
    QLineEdit* box = m_ui.Text1[result.box];
    if (result.status == Status::SeparatorInBox || result.status == Status::DuplicateBox) {
        box->setSelection(0, static_cast<int>(box->text().size()));
    }
    box->setFocus();
}

void Form1::KeepCombinationsWith()
{
    runFilter(m_ui.garde, true);
}

void Form1::RemoveCombinationsWith()
{
    runFilter(m_ui.supp, false);
}

void Form1::runFilter(QComboBox* filterBox, bool keepHolders)
{
    const std::string chosen = Text(filterBox);
    if (const std::optional<Message> refusal = CheckFilter(m_model->list(), chosen)) {
        m_messages->show(*refusal);
        return;
    }
    if (!m_messages->ask(keepHolders ? KeepQuestion(chosen) : RemoveQuestion(chosen))) {
        return;
    }
    BusyCursor busy;
    showBusyCaption();
    const double n = FilterNumber(chosen).value_or(0);
    filterBox->setCurrentIndex(-1);
    filterBox->setEditText(QString());
    const bool done = TryAllocating([&] {
        replaceList(keepHolders ? ornal::KeepCombinationsWith(m_model->list(), n)
                                : ornal::RemoveCombinationsWith(m_model->list(), n));
        return true;
    }).has_value();
    if (!done) {
        busy.restore();
        showOutOfMemory();
    }
}

void Form1::ShuffleWithinCombinations()
{
    if (m_model->list().empty()) {
        return;
    }
    BusyCursor busy;
    showBusyCaption();
    const bool done = TryAllocating([this] {
        replaceList(ornal::ShuffleWithinCombinations(m_model->list(), m_random));
        return true;
    }).has_value();
    if (!done) {
        busy.restore();
        showOutOfMemory();
    }
}

void Form1::SearchResult()
{
    std::array<std::string, kResultBoxCount> result;
    for (int i = 0; i < kResultBoxCount; ++i) {
        result[i] = ToStd(m_ui.txtscan[i]->text());
    }
    const SearchOutcome outcome = ornal::SearchResult(m_model->list(), Text(m_ui.Jeu), result);
    if (outcome.message) {
        m_messages->show(*outcome.message);
        QLineEdit* box = outcome.box >= 0 ? m_ui.txtscan[outcome.box] : nullptr;
        if (box && !box->isHidden()) {
            if (outcome.selectBoxText) {
                box->setSelection(0, static_cast<int>(box->text().size()));
            }
            box->setFocus();
        }
        return;
    }
    if (outcome.status == SearchOutcome::Status::Found) {
        const QModelIndex found = m_model->index(static_cast<int>(outcome.line));
        m_ui.List1->setCurrentIndex(found);
        m_ui.List1->selectionModel()->select(found, QItemSelectionModel::ClearAndSelect);
        m_ui.List1->scrollTo(found);
    }
}

void Form1::PreloadFromCommandLine()
{
    std::vector<std::string> arguments;
    for (const QString& argument : m_arguments) {
        arguments.push_back(ToStd(argument));
    }
    m_commandLineText = JoinCommandLine(arguments);
    if (const std::optional<std::filesystem::path> game = GameFileNamed(arguments)) {
        m_gameFile = openGameFile(*game) ? *game : std::filesystem::path();
        return;
    }
    const std::optional<PreloadFields> fields = ParsePreload(m_commandLineText);
    if (!fields) {
        return;
    }
    Selection sel = readSelection();
    const FlowOutcome betSizeChoice = ApplyPreload(sel, *fields);
    m_ui.NombreChevaux->setEditText(ToQString(sel.horseCountText));
    m_ui.Jeu->setEditText(ToQString(sel.betSizeText));
    for (int i = 0; i < kNumberBoxCount; ++i) {
        m_ui.Text1[i]->setText(ToQString(sel.numbers[i]));
    }
    showSelection(sel);
    m_ui.TotalComb->setText(ToQString(text::kChooseBetTypeNow));
    showFlowOutcome(betSizeChoice);
    if (!betSizeChoice.message) {
        chooseDefaultBetType();
    }
    m_ui.Text1[0]->setFocus();
    ComputeCombinations();
}

void Form1::ExportToSpreadsheet()
{
    const CombinationList& list = m_model->list();
    ExportRequest request { .list = list };
    request.selectionText = m_selectionText;
    request.baseText = Text(m_ui.Base);
    request.caption = ToStd(windowTitle());
    request.notes = GameNotes(currentGame());
    std::optional<BusyCursor> busy;
    if (!list.empty()) {
        busy.emplace();
    }
    const ExportOutcome outcome = m_services.exportList(request);
    busy.reset();
    if (outcome.selectedLine && *outcome.selectedLine < list.size()) {
        m_ui.List1->setCurrentIndex(m_model->index(static_cast<int>(*outcome.selectedLine)));
    }
    if (outcome.message) {
        m_messages->show(*outcome.message);
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

bool Form1::event(QEvent* event)
{
    // The preload runs on the first activation only: the window is activated again each time the player comes
    // back to it, and a second run would throw away a list the player had filtered.
    if (event->type() == QEvent::WindowActivate && !m_preloaded) {
        m_preloaded = true;
        PreloadFromCommandLine();
    }
    return QWidget::event(event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing cannot be refused: the program ends at once, without a question; the game is kept to reopen.
    saveLastGame();
    event->accept();
}

void Form1::showBusyCaption()
{
    m_captionBeforeWork = m_ui.TotalComb->text();
    m_ui.TotalComb->setText(ToQString(text::kWorking));
    m_ui.TotalComb->repaint();
    m_ui.List1->viewport()->repaint();
}

void Form1::replaceList(CombinationList list)
{
    // The lines replaced move into the history as they are: a change never copies the whole list, so nothing large
    // is asked for here once the new list exists.
    std::string caption = listCaption();
    CombinationList replaced = m_model->exchangeList(std::move(list));
    if (!m_restoringList) {
        m_history.record(ListState { std::move(replaced), m_listSelectionText, std::move(caption) });
    }
    m_listSelectionText = m_selectionText;
    showCount();
    showListCost();
}

void Form1::showCount()
{
    m_ui.TotalComb->setText(ToQString(CountCaption(m_model->list().size())));
}

void Form1::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(CentredTopLeft(screen->availableGeometry(), size()));
    }
}

} // namespace ornal
