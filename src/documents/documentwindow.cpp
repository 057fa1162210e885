#include "documents/documentwindow.h"

#include "base/prompter.h"
#include "base/settingsfile.h"
#include "documents/documentcontext.h"
#include "documents/editingaids.h"
#include "documents/typingtip.h"
#include "editor/documentmemo.h"
#include "editor/guttercolours.h"
#include "editor/linebreaks.h"
#include "editor/scintillaeditor.h"
#include "markup/charsetdeclaration.h"
#include "tagcolouring/htmllexer.h"
#include "tagcolouring/tagcolourrules.h"

#include <Qsci/qsciscintilla.h>

#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include <optional>
#include <utility>

namespace {

constexpr int GutterWidth = 20;
constexpr int LineNumberMargin = 0;
// Lines kept visible above and below a line the view jumps to.
constexpr int JumpContext = 3;
constexpr long PositionCacheEntries = 16384;

// The separators of a document editor: the blank, the double quote, the punctuation that
// ends a word in markup, and the Tab character.
const QString DocumentSeparators = QStringLiteral(" \"!(),./:;<=>?[\\]{}\t");

} // namespace

DocumentWindow::DocumentWindow(DocumentContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), m_memo(new DocumentMemo(this))
{
    setWindowTitle(LoadingCaption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_memo);
    setFocusProxy(m_memo);

    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setUtf8(true);
    // A new document's lines end as Linux lines do; a loaded file keeps its own.
    m_memo->setEolMode(QsciScintilla::EolUnix);
    m_memo->setMarginWidth(1, 0);
    m_memo->setMarginWidth(2, 0);
    m_memo->setMarginLineNumbers(LineNumberMargin, true);
    m_memo->setScrollWidthTracking(true);
    m_memo->setScrollWidth(1);
    // Tab types a tab wherever the caret stands; block indent is the document aids' work.
    m_memo->setTabIndents(false);
    m_editor = std::make_unique<ScintillaEditor>(m_memo);
    m_editor->setWordSeparators(DocumentSeparators);
    m_lexer = new HtmlLexer(m_memo);
    m_tip = new TypingTip(m_memo);

    applyDisplaySettings(false);
    applyColours();
    setGutterVisible(m_context.settings.read(Keys::GutterOn));
    showInvisibles(m_context.settings.read(Keys::ShowInvisibles));
    // The measured widths of more pieces of text are kept than the editor keeps by itself:
    // markup repeats the same tags and attributes, and wrapping measures every piece.
    m_memo->SendScintilla(QsciScintilla::SCI_SETPOSITIONCACHE, PositionCacheEntries);
    applyWrapMode(m_context.settings.read(Keys::StartWW).isEmpty());
    m_editor->setModified(false);
    m_editor->addChangeListener([this] { memoChange(); });
    m_editor->setUnstorableHandler(
        [this](const QStringList &characters) { return askToSaveAsUtf8(characters); });
    m_editor->setFormatListener([this] { formatChange(); });
    connect(m_memo, &QsciScintilla::cursorPositionChanged, this,
            [this] { Q_EMIT caretMoved(this); });
    connect(&m_document, &Document::identityChanged, this, &DocumentWindow::showCaption);
    connect(&m_document, &Document::loadingChanged, this, &DocumentWindow::showCaption);
    connect(&m_context.settings, &SettingsFile::applied, this, &DocumentWindow::applySettings);
    connect(qobject_cast<DocumentMemo *>(m_memo), &DocumentMemo::paletteChanged, this,
            &DocumentWindow::followPalette);
    memoReapply();
}

void DocumentWindow::showCaption()
{
    if (m_document.isLoading())
        setWindowTitle(LoadingCaption);
    else if (!m_document.isUntitled() && m_context.settings.read(Keys::FullPath))
        setWindowTitle(m_document.path());
    else
        setWindowTitle(m_document.shortName());
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::applyDisplaySettings(bool withRightMargin)
{
    const SettingsFile &settings = m_context.settings;
    m_memo->SendScintilla(QsciScintilla::SCI_SETMARGINLEFT, 0, long(settings.read(Keys::Margin)));
    if (withRightMargin)
        m_memo->SendScintilla(QsciScintilla::SCI_SETMARGINRIGHT, 0,
                              long(settings.read(Keys::RightMargin)));
    m_editor->setTabWidth(std::max(1, settings.read(Keys::TabWidth)));
    m_memo->SendScintilla(QsciScintilla::SCI_SETCARETWIDTH,
                          ulong(std::clamp(settings.read(Keys::CaretWidth), 0, 20)));
    applyCurrentLineTint();
    m_memo->setCaretLineVisible(settings.read(Keys::CurLine));
}

void DocumentWindow::applyCurrentLineTint()
{
    // A tint of the selection colour, readable on a light and a dark base alike.
    const QPalette &palette = m_memo->palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor mark = palette.color(QPalette::Highlight);
    constexpr double Tint = 0.12;
    const auto mix = [&](int b, int m) { return int(b + (m - b) * Tint + 0.5); };
    m_memo->setCaretLineBackgroundColor(QColor(mix(base.red(), mark.red()),
                                               mix(base.green(), mark.green()),
                                               mix(base.blue(), mark.blue())));
}

bool DocumentWindow::currentLineShown() const
{
    return m_memo->SendScintilla(QsciScintilla::SCI_GETCARETLINEVISIBLE) != 0;
}

void DocumentWindow::applyColours()
{
    m_lexer->setScheme(TagColourScheme::read(m_context.settings));
    // The scheme resets the plain text to the palette's colour.
    if (m_textColour.isValid()) {
        m_lexer->setDefaultColor(m_textColour);
        m_lexer->setColor(m_textColour, 0);
    }
    GutterColours::apply(m_memo, m_memo->palette());
}

void DocumentWindow::followPalette()
{
    // The desktop's colours changed under a running program (a dark theme chosen): the
    // gutter, the current line and the page's plain text and paper follow them. Colouring
    // again must not move the view.
    const int top = m_editor->firstVisibleLine();
    const int caret = m_editor->caret();
    const int selected = m_editor->selLength();
    applyCurrentLineTint();
    applyColours();
    m_editor->setSelection(caret, selected);
    m_editor->setFirstVisibleLine(top);
}

void DocumentWindow::setLiveSpelling(bool on)
{
    m_liveSpelling = on;
    m_lexer->recolourAll();
    Q_EMIT liveSpellingChanged(this);
}

bool DocumentWindow::wordWrap() const
{
    return m_memo->wrapMode() != QsciScintilla::WrapNone;
}

int DocumentWindow::caretRow() const
{
    const long pos = m_memo->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
    const long line = m_memo->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, pos);
    const long lineStart = m_memo->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
    const long height = std::max(1L, m_memo->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, line));
    // A wrapped line's later pieces lie below its first display line.
    const long piece =
        (m_memo->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0, pos) -
         m_memo->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0, lineStart)) /
        height;
    return int(m_memo->SendScintilla(QsciScintilla::SCI_VISIBLEFROMDOCLINE, line) + piece -
               m_memo->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE));
}

void DocumentWindow::applyWrapMode(bool on)
{
    m_memo->setWrapMode(on ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    // Setting the mode makes the widget keep the layout of every line of the page while it
    // wraps: three times the page in memory, and a walk over all of them whenever a layout
    // goes stale. Layouts of the lines on screen are all that drawing and wrapping reuse.
    m_memo->SendScintilla(QsciScintilla::SCI_SETLAYOUTCACHE, QsciScintilla::SC_CACHE_PAGE);
}

void DocumentWindow::restoreWrapAfterLoad(bool wanted, qsizetype bytes)
{
    const bool holdOff = wanted && bytes > LargePageBytes;
    applyWrapMode(wanted && !holdOff);
    if (holdOff != m_wrapHeldOff) {
        m_wrapHeldOff = holdOff;
        Q_EMIT formatChanged(this);
    }
}

void DocumentWindow::setWordWrap(bool on)
{
    if (m_wrapHeldOff) {
        m_wrapHeldOff = false;
        Q_EMIT formatChanged(this);
    }
    if (on == wordWrap())
        return;
    if (on && m_editor->length() > LargePageBytes) {
        // Laying out the whole page now would hold the window for as long as wrapping takes.
        // The editor wraps the lines down to the view when it paints, keeping the top line in
        // place, and the rest while the program is idle.
        applyWrapMode(true);
        return;
    }
    const int row = caretRow();
    const int onScreen = int(m_memo->SendScintilla(QsciScintilla::SCI_LINESONSCREEN));
    const bool caretShown = row >= 0 && row < onScreen;
    const int top = m_editor->firstVisibleLine();
    applyWrapMode(on);
    // The editor lays lines out afresh only when it paints, and keeps the number of the first
    // display line meanwhile, which names another text line once lines wrap differently.
    // Asking for a line to be visible lays out the whole text now.
    m_memo->SendScintilla(QsciScintilla::SCI_ENSUREVISIBLE, 0);
    if (!caretShown) {
        m_editor->setFirstVisibleLine(top);
        return;
    }
    const long first = m_memo->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    m_memo->SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE,
                          std::max(0L, first + caretRow() - row));
}

void DocumentWindow::showCaretInContext()
{
    const long first = m_memo->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    const int top = EditingAids::topLineWithContext(
        int(first) + caretRow(), int(first),
        int(m_memo->SendScintilla(QsciScintilla::SCI_LINESONSCREEN)), JumpContext);
    m_memo->SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE, long(top));
}

bool DocumentWindow::tagColouring() const
{
    return m_lexer->colouring();
}

void DocumentWindow::setTagColouring(bool on)
{
    const int top = m_editor->firstVisibleLine();
    const int caret = m_editor->caret();
    const int length = m_editor->selLength();
    m_lexer->setColouring(on);
    m_editor->setSelection(caret, length);
    m_editor->ensureCaretVisible();
    m_editor->setFirstVisibleLine(top);
}

QFont DocumentWindow::editorFont() const
{
    return m_lexer->font(0);
}

QColor DocumentWindow::textColour() const
{
    return m_lexer->color(0);
}

void DocumentWindow::setEditorFont(const QFont &font, const QColor &colour)
{
    m_lexer->setFont(font);
    m_textColour = colour;
    m_lexer->setDefaultColor(colour);
    m_lexer->setColor(colour, 0);
}

void DocumentWindow::showTip(const QString &text)
{
    m_editor->ensureCaretVisible();
    m_tip->showAtCaret(text);
}

void DocumentWindow::formatChange()
{
    m_document.setFormat(m_editor->encoding() == ScintillaEditor::Encoding::Utf8
                             ? Document::Encoding::Utf8
                             : Document::Encoding::Windows1252,
                         m_editor->hasByteOrderMark(), m_editor->lineBreak());
    Q_EMIT formatChanged(this);
}

void DocumentWindow::setModified(bool modified)
{
    m_editor->setModified(modified);
    m_document.setModified(modified);
}

bool DocumentWindow::askToSaveAsUtf8(const QStringList &characters)
{
    constexpr qsizetype Named = 5;
    QStringList named;
    for (const QString &c : characters.mid(0, Named))
        named
            << QStringLiteral("%1 (U+%2)")
                   .arg(c)
                   .arg(QString::number(c.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0'));
    if (characters.size() > Named)
        named << QStringLiteral("…");
    const QString name = m_document.shortName();
    const bool yes = m_context.prompter.confirm(
        QStringLiteral("%1 is written in the Windows-1252 code page, which has no place for "
                       "%2.\n\nYes: write the page as UTF-8 from now on and put the text in.\n"
                       "No: leave the page as it is; the text is not put in.")
            .arg(name, named.join(QStringLiteral(", "))));
    // Asked once the text is in: the editor is in the middle of putting it there.
    if (yes)
        QMetaObject::invokeMethod(this, &DocumentWindow::offerUtf8Declaration,
                                  Qt::QueuedConnection);
    return yes;
}

// A page written as UTF-8 that still declares another character set is shown garbled by
// every browser that believes it.
void DocumentWindow::offerUtf8Declaration()
{
    constexpr int Head = 64 * 1024;
    const std::optional<CharsetDeclaration> declared =
        CharsetDeclaration::find(m_editor->textRange(0, std::min(m_editor->length(), Head)));
    if (!declared || declared->isUtf8())
        return;
    if (!m_context.prompter.confirm(
            QStringLiteral("%1 declares its character set as \"%2\". Change the declaration to "
                           "\"utf-8\", so that browsers read the page as it is now written?")
                .arg(m_document.shortName(), declared->value)))
        return;
    const int caret = m_editor->caret();
    const int selection = m_editor->selLength();
    const int shift = caret >= declared->start + declared->length ? 5 - int(declared->length) : 0;
    m_editor->setSelection(int(declared->start), int(declared->length));
    m_editor->replaceSelection(QStringLiteral("utf-8"));
    m_editor->setSelection(caret + shift, selection);
}

namespace {

// Characters that cannot be told from a space, or that cannot be seen at all, with the box
// each is drawn as (UTF-8, as the editor holds every page).
constexpr std::pair<const char *, const char *> Invisibles[] = {
    {"\xC2\xA0", "NBSP"},       // no-break space
    {"\xC2\xAD", "SHY"},        // soft hyphen
    {"\xE2\x80\x8B", "ZWSP"},   // zero-width space
    {"\xE2\x80\x8C", "ZWNJ"},   // zero-width non-joiner
    {"\xE2\x80\x8D", "ZWJ"},    // zero-width joiner
    {"\xE2\x80\x8E", "LRM"},    // left-to-right mark
    {"\xE2\x80\x8F", "RLM"},    // right-to-left mark
    {"\xE2\x80\xAF", "NNBSP"},  // narrow no-break space
    {"\xE2\x81\xA0", "WJ"},     // word joiner
    {"\xEF\xBB\xBF", "ZWNBSP"}, // a byte-order mark inside the text
};

} // namespace

void DocumentWindow::showInvisibles(bool shown)
{
    for (const auto &[character, box] : Invisibles) {
        if (shown)
            m_memo->SendScintilla(QsciScintilla::SCI_SETREPRESENTATION, character, box);
        else
            m_memo->SendScintilla(QsciScintilla::SCI_CLEARREPRESENTATION,
                                  reinterpret_cast<unsigned long>(character), 0L);
    }
}

bool DocumentWindow::gutterVisible() const
{
    return m_memo->marginWidth(LineNumberMargin) > 0;
}

void DocumentWindow::setGutterVisible(bool visible)
{
    // Wide enough for five digits, never narrower than the classic 20 pixels.
    const int width = std::max(GutterWidth, m_memo->fontMetrics().horizontalAdvance(u'9') * 6);
    m_memo->setMarginWidth(LineNumberMargin, visible ? width : 0);
}

void DocumentWindow::applySettings()
{
    std::optional<NotAnEdit> quiet;
    if (!isModified())
        quiet.emplace(*this);
    applyDisplaySettings(true);
    const int top = m_editor->firstVisibleLine();
    const int caret = m_editor->caret();
    applyColours();
    m_editor->setCaret(caret);
    m_editor->setFirstVisibleLine(top);
    setGutterVisible(m_context.settings.read(Keys::GutterOn));
    showInvisibles(m_context.settings.read(Keys::ShowInvisibles));
    showCaption();
    memoReapply();
}

void DocumentWindow::memoReapply()
{
    m_liveSpelling = m_context.settings.read(Keys::SpellCheck);
    refreshSpelling();
}

void DocumentWindow::refreshSpelling()
{
    // A missing configuration file leaves nothing out.
    const SettingsFile config(m_context.spellingConfigPath);
    m_spellingSkipsHtml = config.read(Keys::SoHtml) != 0;
    m_spellingSkipsInternet = config.read(Keys::SoInternet) != 0;
    m_lexer->recolourAll();
    Q_EMIT liveSpellingChanged(this);
}

void DocumentWindow::memoChange()
{
    if (m_notAnEdit > 0)
        return;
    // False again once undo has come back to the text as it was last read or saved.
    m_document.setModified(m_editor->isModified());
    Q_EMIT edited(this);
}

bool DocumentWindow::closeQuery(const SaveHandler &save)
{
    while (isModified()) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
            if (sub->isMinimized())
                sub->showNormal();
            if (sub->mdiArea())
                sub->mdiArea()->setActiveSubWindow(sub);
        }
        const QString question = QStringLiteral("Save Changes to '%1'?").arg(windowTitle());
        switch (m_context.prompter.yesNoCancel(question)) {
        case PromptAnswer::Yes:
            if (!save)
                return false;
            save(this);
            break;
        case PromptAnswer::No:
            return true;
        default:
            Q_EMIT closeRefused(this);
            return false;
        }
    }
    return true;
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    if (!closeQuery(m_save)) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT closed(this);
}
