#include "form1.h"

#include "aboutbox.h"
#include "busycursor.h"
#include "clickablelabel.h"
#include "combinationengine.h"
#include "desktopfolders.h"
#include "filters.h"
#include "messageboxes.h"
#include "numberboxfilter.h"
#include "numericvalue.h"
#include "preload.h"
#include "qtbridge.h"
#include "search.h"
#include "selectionrules.h"
#include "version.h"
#include "weblauncher.h"
#include "workbookopener.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>

static void InitialiseResources()
{
    Q_INIT_RESOURCE(ornal);
}

namespace ornal {

namespace {

constexpr int kLogoWidthTwips = 285;
constexpr int kLogoGapTwips = 10;
constexpr int kJeuLeftTwips = 1800;

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
    return services;
}

} // namespace

Form1::Form1(QStringList arguments, std::unique_ptr<MessageBoxes> messages, Form1Services services, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_numberFilter(new NumberBoxFilter(this))
    , m_model(new CombinationListModel(this))
    , m_scratch(new CombinationListModel(this))
    , m_messages(messages ? std::move(messages) : std::make_unique<QtMessageBoxes>(this))
    , m_services(WithDefaults(std::move(services), this))
    , m_arguments(std::move(arguments))
{
    InitialiseResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(text::kProgramTitle));
    setWindowIcon(QIcon(QStringLiteral(":/hammer.svg")));
    setFixedSize(TwipsToPixels(5325), TwipsToPixels(8610));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    m_ui.build(this, m_numberFilter);
    m_ui.List1->setModel(m_model);
    m_ui.List2->setModel(m_scratch);
    InitialiseMainWindow();
    connectControls();
    centreOnScreen();
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
    connect(m_ui.NombreChevaux, &QComboBox::activated, this, [this] { ChooseHorseCount(); });
    connect(m_ui.Jeu, &QComboBox::activated, this, [this] { ChooseBetSize(); });
    connect(m_ui.Base, &QComboBox::activated, this, [this] { ChooseBaseMode(); });
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
    const int shown = ShownNumberBoxCount(Text(m_ui.NombreChevaux));
    const bool basesChosen = m_ui.Base->currentText() != ToQString(text::kNoBase);
    const std::string bet = Text(m_ui.Jeu);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        m_ui.Check1[i]->setChecked(false);
        m_ui.Check1[i]->hide();
        m_ui.Text1[i]->setVisible(i < shown);
        if (i < shown && basesChosen && MarkAllowed(i, bet)) {
            m_ui.Check1[i]->show();
        }
    }
    for (QWidget* next :
        { static_cast<QWidget*>(m_ui.Valider), static_cast<QWidget*>(m_ui.Jeu), static_cast<QWidget*>(m_ui.JeuLabel),
            static_cast<QWidget*>(m_ui.Base), static_cast<QWidget*>(m_ui.BaseLabel) }) {
        next->show();
    }
    m_ui.TotalComb->setText(ToQString(text::kChooseBetTypeNow));
}

void Form1::ChooseBaseMode()
{
    const std::string horses = Text(m_ui.NombreChevaux);
    if (horses.empty()) {
        m_messages->show(Message { std::string(text::kChooseNumber) });
        m_ui.NombreChevaux->setFocus();
        return;
    }
    if (m_ui.Base->currentText() == ToQString(text::kNoBase)) {
        m_baseCount = -1;
        for (QCheckBox* mark : m_ui.Check1) {
            mark->setChecked(false);
            mark->hide();
        }
        return;
    }
    // The box is editable: a typed text that is no small whole number allows no base at all.
    const std::optional<std::int16_t> chosen = RoundToInt16(NumericValue(Text(m_ui.Base)));
    m_baseCount = chosen.value_or(0);
    if (!(NumericValue(horses) > m_baseCount)) {
        m_messages->show(Message { std::string(text::kInvalidChoice) });
        return;
    }
    const std::string bet = Text(m_ui.Jeu);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        m_ui.Check1[i]->setChecked(false);
        m_ui.Check1[i]->setVisible(!m_ui.Text1[i]->isHidden() && MarkAllowed(i, bet));
    }
}

void Form1::ToggleBaseMark(int mark)
{
    if (m_closing || !m_ui.Check1[mark]->isChecked() || m_ui.Base->currentText() == ToQString(text::kNoBase)) {
        return;
    }
    int ticked = 0;
    for (const QCheckBox* box : m_ui.Check1) {
        ticked += box->isChecked() ? 1 : 0;
    }
    if (ticked > NumericValue(Text(m_ui.Base))) {
        m_messages->show(Message { std::string(text::kInvalidClickCount) });
        m_ui.Check1[mark]->setChecked(false);
    }
}

void Form1::ChooseBetSize()
{
    const std::string horses = Text(m_ui.NombreChevaux);
    const std::string bet = Text(m_ui.Jeu);
    if (const std::optional<Message> refusal = CheckBetSizeChoice(horses, bet)) {
        m_messages->show(*refusal);
        if (horses.empty()) {
            m_ui.NombreChevaux->setFocus();
        }
        return;
    }
    if (m_baseCount != -1) {
        for (int i = 0; i < kNumberBoxCount; ++i) {
            m_ui.Check1[i]->setChecked(false);
            m_ui.Check1[i]->setVisible(MarkAllowed(i, bet));
        }
    }
    m_ui.Base->show();
    m_ui.BaseLabel->show();
    const int resultBoxes = ShownResultBoxCount(bet);
    for (int i = 0; i < kResultBoxCount; ++i) {
        m_ui.txtscan[i]->setVisible(i < resultBoxes);
    }
    for (ClickableLabel* logo : m_ui.PictureJeux) {
        logo->hide();
    }
    const std::optional<std::pair<int, int>> logos = BetTypeLogos(bet);
    if (!logos) {
        return;
    }
    const int top = m_ui.Jeu->y();
    const int lefts[2]
        = { kJeuLeftTwips - (kLogoWidthTwips + kLogoGapTwips), kJeuLeftTwips - (2 * kLogoWidthTwips + kLogoGapTwips) };
    const int indexes[2] = { logos->first, logos->second };
    for (int which = 0; which < 2; ++which) {
        ClickableLabel* logo = m_ui.PictureJeux[indexes[which]];
        logo->move(TwipsToPixels(lefts[which]), top);
        logo->raise();
        logo->show();
    }
}

void Form1::ComputeCombinations()
{
    Selection sel;
    sel.horseCountText = Text(m_ui.NombreChevaux);
    sel.betSizeText = Text(m_ui.Jeu);
    sel.betSizeShown = !m_ui.Jeu->isHidden();
    sel.baseCount = m_baseCount;
    for (int i = 0; i < kNumberBoxCount; ++i) {
        sel.numbers[i] = ToStd(m_ui.Text1[i]->text());
        sel.shown[i] = !m_ui.Text1[i]->isHidden();
        sel.marks[i] = m_ui.Check1[i]->isChecked();
    }

    BusyCursor busy;
    ornal::ComputeResult result = ornal::ComputeCombinations(sel);
    m_selectionText = result.selectionText;
    if (result.message) {
        busy.restore();
        m_messages->show(*result.message);
        if (result.focusBetSize) {
            m_ui.Jeu->setFocus();
        }
        if (result.box >= 0) {
            QLineEdit* box = m_ui.Text1[result.box];
            if (result.selectBoxText) {
                box->setSelection(0, static_cast<int>(box->text().size()));
            }
            box->setFocus();
        }
        return;
    }
    m_model->setList(std::move(result.list));
    showCount();
    m_ui.Command5->show();
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
    m_scratch->setList(keepHolders ? ornal::KeepCombinationsWith(m_model->list(), n)
                                   : ornal::RemoveCombinationsWith(m_model->list(), n));
    m_model->setList(m_scratch->takeList());
    filterBox->setCurrentIndex(-1);
    filterBox->setEditText(QString());
    showCount();
}

void Form1::ShuffleWithinCombinations()
{
    if (m_model->list().empty()) {
        return;
    }
    BusyCursor busy;
    showBusyCaption();
    m_model->setList(ornal::ShuffleWithinCombinations(m_model->list(), m_random));
    showCount();
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
    const std::optional<PreloadFields> fields = ParsePreload(m_commandLineText);
    if (!fields) {
        return;
    }
    m_ui.NombreChevaux->setEditText(ToQString(fields->horseCountText));
    ChooseHorseCount();
    if (fields->betSizeText) {
        m_ui.Jeu->setEditText(ToQString(*fields->betSizeText));
        ChooseBetSize();
    }
    for (std::size_t i = 0; i < fields->numbers.size() && i < m_ui.Text1.size(); ++i) {
        m_ui.Text1[i]->setText(ToQString(fields->numbers[i]));
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
    // Closing cannot be refused: the program ends at once, without a question.
    event->accept();
}

void Form1::showBusyCaption()
{
    m_ui.TotalComb->setText(ToQString(text::kWorking));
    m_ui.TotalComb->repaint();
    m_ui.List1->viewport()->repaint();
}

void Form1::showCount()
{
    m_ui.TotalComb->setText(ToQString(CountCaption(m_model->list().size())));
}

void Form1::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

} // namespace ornal
