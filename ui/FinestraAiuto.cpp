#include "ui/FinestraAiuto.h"

#include <QAccessible>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPointer>
#include <QScreen>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/file.h"
#include "ui/PaginaAiutoAccessibile.h"
#include "ui/Servizi.h"

namespace ui {

namespace {

// The tools described on the main page: their topic and their paragraph.
// Every other topic has a page of its own, named after its number.
struct Paragrafo {
  int argomento;
  const char* pagina;
};
constexpr Paragrafo kParagrafi[] = {
    {30010, "10000.html#tabellone-analitico"},  {30020, "10000.html#tabellone-rsc"},
    {30030, "10000.html#ritardi-misti"},        {30040, "10000.html#cadenze-decine-figure"},
    {30050, "10000.html#estratti-per-ruota"},   {50010, "10000.html#method-detector"},
    {50020, "10000.html#attesa-minima"},        {50030, "10000.html#numeri-spia"},
    {60010, "10000.html#gruppi-ritardo"},       {60020, "10000.html#data-estrazione"},
    {60030, "10000.html#analisi-formazioni"},   {60040, "10000.html#tabella-formazioni"},
};

// Where an anchor of the page begins; -1 when the page has none of that name.
int PosizioneAncora(const QTextDocument* documento, const QString& nome) {
  for (QTextBlock b = documento->begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().anchorNames().contains(nome)) return it.fragment().position();
  return -1;
}

// What the window shows in place of a page that cannot be read: its name (a
// file, or an address that is not one), and why.
QString PaginaNonLeggibile(const QString& indirizzo, const std::string& motivo) {
  return QStringLiteral("<p>Pagina della guida non leggibile: %1</p><p>%2</p>")
      .arg(indirizzo.toHtmlEscaped(), QString::fromStdString(motivo).toHtmlEscaped());
}

// The same for a file: "non trovata" when nothing of that name is there.
QString PaginaMancante(const QString& percorso, const std::string& motivo) {
  std::error_code ec;
  if (!std::filesystem::exists(std::filesystem::symlink_status(percorso.toStdString(), ec)))
    return QStringLiteral("<p>Pagina della guida non trovata: %1</p>")
        .arg(percorso.toHtmlEscaped());
  return PaginaNonLeggibile(percorso, motivo);
}

// What a picture that is not shown becomes: a single transparent dot, which
// leaves nothing to see.
QImage Puntino() {
  QImage puntino(1, 1, QImage::Format_ARGB32);
  puntino.fill(Qt::transparent);
  return puntino;
}

// Bounds what Qt's decoders may allocate while it lives to `byte` (rounded
// up to whole megabytes, the limit's unit), and puts the previous limit back
// afterwards. The limit is one for the program, and pictures are decoded on
// this thread alone; it holds for a decoder within the decoder too (the PNG
// inside an icon).
class LimiteDecodifica {
 public:
  explicit LimiteDecodifica(qint64 byte) {
    // At least 1: a limit of 0 would lift it.
    QImageReader::setAllocationLimit(int(std::max<qint64>(1, (byte + (1 << 20) - 1) >> 20)));
  }
  ~LimiteDecodifica() { QImageReader::setAllocationLimit(mPrima); }
  LimiteDecodifica(const LimiteDecodifica&) = delete;
  LimiteDecodifica& operator=(const LimiteDecodifica&) = delete;

 private:
  int mPrima = QImageReader::allocationLimit();
};

// The bytes a "data:" address carries ("data:[type][;base64],bytes"); none
// when it has no comma.
std::optional<QByteArray> Contenuto(const QUrl& indirizzo) {
  const QByteArray testo = QByteArray::fromPercentEncoding(
      indirizzo.url(QUrl::FullyEncoded | QUrl::RemoveScheme).toLatin1());
  const qsizetype virgola = testo.indexOf(',');
  if (virgola < 0) return std::nullopt;
  const QByteArray contenuto = testo.mid(virgola + 1);
  if (testo.left(virgola).trimmed().toLower().endsWith(";base64"))
    return QByteArray::fromBase64(contenuto);
  return contenuto;
}

}  // namespace

QString PaginaArgomento(int argomento) {
  for (const Paragrafo& p : kParagrafi)
    if (p.argomento == argomento) return QString::fromLatin1(p.pagina);
  return QStringLiteral("%1.html").arg(argomento);
}

// --- The page -------------------------------------------------------------------

PaginaAiuto::PaginaAiuto(QWidget* parent) : QTextBrowser(parent) {
  static const bool fabbrica =
      (QAccessible::installFactory(&PaginaAiutoAccessibile::Fabbrica), true);
  Q_UNUSED(fabbrica);
  setObjectName(QStringLiteral("pagina"));
  setOpenLinks(true);
  setOpenExternalLinks(true);
  // A caret, so that the keyboard (and a screen reader following it) can
  // read the text line by line, besides moving between the links.
  setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
  document()->setDocumentMargin(12);
  connect(this, &QTextEdit::cursorPositionChanged, this, &PaginaAiuto::notificaCursore);
  connect(this, &QTextBrowser::sourceChanged, this, &PaginaAiuto::cambioPagina);
}

QList<Collegamento> PaginaAiuto::collegamenti() const {
  QList<Collegamento> out;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const QTextCharFormat formato = f.charFormat();
      if (!formato.isAnchor() || formato.anchorHref().isEmpty()) continue;
      // A link whose text changes style is several fragments: one link.
      if (!out.isEmpty() && out.back().fine == f.position() && out.back().indirizzo == formato.anchorHref())
        out.back().fine = f.position() + f.length();
      else
        out.push_back({f.position(), f.position() + f.length(), formato.anchorHref()});
    }
  return out;
}

void PaginaAiuto::segui(int i) {
  const QList<Collegamento> c = collegamenti();
  if (i < 0 || i >= c.size()) return;
  const QUrl indirizzo = source().resolved(QUrl(c[i].indirizzo));
  // A web address goes to the desktop, as Return or a click sends it
  // (openExternalLinks): the window shows the help's own pages alone.
  const QString schema = indirizzo.scheme();
  if (!indirizzo.isRelative() && schema != QLatin1String("file") && schema != QLatin1String("qrc"))
    servizi().desktop->apri(indirizzo);
  else
    setSource(indirizzo);
}

void PaginaAiuto::evidenzia(int i) {
  const QList<Collegamento> c = collegamenti();
  if (i < 0 || i >= c.size()) return;
  QTextCursor cursore(document());
  cursore.setPosition(c[i].inizio);
  cursore.setPosition(c[i].fine, QTextCursor::KeepAnchor);
  setTextCursor(cursore);
}

QVariant PaginaAiuto::loadResource(int tipo, const QUrl& nome) {
  constexpr std::uintmax_t kMassimoPagina = 8 * 1024 * 1024;
  if (tipo == QTextDocument::HtmlResource || tipo == QTextDocument::MarkdownResource) {
    mMemoriaImmagini = kMemoriaImmagini;  // another page, with pictures of its own
    mDecodifica = kDecodificaPagina;
    mImmagini.clear();
  }
  const QUrl indirizzo = nome.isRelative() && source().isValid() ? source().resolved(nome) : nome;
  // A file the page names again, with another query or anchor too, is the
  // picture already decided.
  const QUrl chiave = indirizzo.isLocalFile()
                          ? indirizzo.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment)
                          : indirizzo;
  const bool figura = tipo == QTextDocument::ImageResource;
  if (figura && mImmagini.contains(chiave)) return mImmagini.value(chiave);
  // Once the page's budget is spent, the pictures that follow are left out
  // without opening their files.
  if (figura && (mDecodifica < kLetturaMinima || mMemoriaImmagini < 4))
    return mImmagini[chiave] = Puntino();
  // Whatever is not read here gets a value all the same: on a null value Qt
  // opens the file itself, unbounded, and takes a name it cannot read (a web
  // address) for a file under the current folder.
  std::optional<QByteArray> dati;
  std::string motivo = "non è un file locale";
  if (indirizzo.isLocalFile()) {
    // A picture's file larger than what is left of the page's budget is
    // refused by its size, unread.
    const std::uintmax_t massimo =
        figura ? std::min(kMassimoPagina, std::uintmax_t(mDecodifica)) : kMassimoPagina;
    const auto letti = file::LeggiBinario(indirizzo.toLocalFile().toStdString(), massimo);
    if (letti)
      dati = QByteArray(reinterpret_cast<const char*>(letti->data()),
                        static_cast<qsizetype>(letti->size()));
    else
      motivo = letti.motivo();
  } else if (indirizzo.scheme() == QLatin1String("data")) {
    dati = Contenuto(indirizzo);
    motivo = "indirizzo data: senza virgola";
  }
  if (figura) {
    mDecodifica -= std::min(mDecodifica, std::max(kLetturaMinima, dati ? qint64(dati->size()) : 0));
    return mImmagini[chiave] = dati ? immagine(*dati) : Puntino();
  }
  if (dati) return *dati;
  // A page that cannot be read says why it is not shown; a style sheet that
  // cannot be read is empty.
  if (tipo != QTextDocument::HtmlResource) return QByteArray();
  if (indirizzo.isLocalFile()) return PaginaMancante(indirizzo.toLocalFile(), motivo);
  return PaginaNonLeggibile(indirizzo.toDisplayString(), motivo);
}

QImage PaginaAiuto::immagine(const QByteArray& dati) {
  QBuffer buffer;
  buffer.setData(dati);
  buffer.open(QIODevice::ReadOnly);
  QImageReader lettore(&buffer);
  const QSize misura = lettore.size();
  if (misura.isEmpty()) return Puntino();  // no size in its header
  const int bytePerPixel =
      std::max(4, QImage::toPixelFormat(lettore.imageFormat()).bitsPerPixel() / 8);
  const qint64 pixel = qint64(misura.width()) * misura.height();  // below 2^62
  if (pixel > std::min(kDecodificaImmagine, mDecodifica) / bytePerPixel) return Puntino();
  QSize tenuta = misura;  // what is kept of it
  if (const QScreen* schermo = screen()) {
    const QSize spazio = schermo->size();
    if (misura.width() > spazio.width() || misura.height() > spazio.height())
      tenuta = misura.scaled(spazio, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
  }
  if (qint64(tenuta.width()) * tenuta.height() * bytePerPixel > mMemoriaImmagini) return Puntino();
  mDecodifica -= pixel * bytePerPixel;  // whatever comes of the decoding
  QImage letta;
  {
    const LimiteDecodifica limite(pixel * bytePerPixel);
    letta = lettore.read();
  }
  if (letta.size() != misura) return Puntino();  // not decoded, or not what it said
  if (tenuta != misura)
    letta = letta.scaled(tenuta, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (letta.sizeInBytes() > mMemoriaImmagini) return Puntino();
  mMemoriaImmagini -= letta.sizeInBytes();
  return letta;
}

void PaginaAiuto::doSetSource(const QUrl& indirizzo, QTextDocument::ResourceType tipo) {
  QTextBrowser::doSetSource(indirizzo, tipo);
  // The caret goes where the page is shown: a paragraph's anchor, or the top.
  const int ancora = indirizzo.hasFragment() ? PosizioneAncora(document(), indirizzo.fragment()) : 0;
  if (ancora >= 0) {
    QTextCursor cursore(document());
    cursore.setPosition(ancora);
    setTextCursor(cursore);
    if (indirizzo.hasFragment()) scrollToAnchor(indirizzo.fragment());
  }
}

void PaginaAiuto::cambioPagina(const QUrl& indirizzo) {
  const QUrl pagina = indirizzo.adjusted(QUrl::RemoveFragment);
  if (pagina == mPagina) return;
  mPagina = pagina;
  // Another page (a link, Back, Forward): another title and other links.
  QAccessibleEvent nome(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&nome);
  QAccessibleEvent figli(this, QAccessible::ObjectReorder);
  QAccessible::updateAccessibility(&figli);
}

bool PaginaAiuto::focusNextPrevChild(bool avanti) {
  // Tab moves onto a link without any signal of the cursor.
  const bool fatto = QTextBrowser::focusNextPrevChild(avanti);
  notificaCursore();
  return fatto;
}

void PaginaAiuto::notificaCursore() {
  // Tab selects a whole link: assistive technology hears of the link.
  const QTextCursor c = textCursor();
  if (!c.hasSelection()) return;
  const QList<Collegamento> lista = collegamenti();
  for (int i = 0; i < lista.size(); ++i)
    if (c.selectionStart() == lista[i].inizio && c.selectionEnd() == lista[i].fine) {
      auto* pagina = static_cast<PaginaAiutoAccessibile*>(QAccessible::queryAccessibleInterface(this));
      if (QAccessibleInterface* link = pagina ? pagina->collegamento(i) : nullptr) {
        QAccessibleEvent fuoco(link, QAccessible::Focus);
        QAccessible::updateAccessibility(&fuoco);
      }
      return;
    }
}

// --- The window -----------------------------------------------------------------

FinestraAiuto::FinestraAiuto() : mPagina(new PaginaAiuto) {
  setObjectName(QStringLiteral("FinestraAiuto"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  auto* colonna = new QVBoxLayout(this);
  colonna->setContentsMargins(0, 0, 0, 0);
  colonna->addWidget(mPagina);
  // About 90 characters a line and 44 lines in the page's font, within the screen.
  const QFontMetrics m(mPagina->font());
  QSize misura(m.averageCharWidth() * 90 + 64, m.lineSpacing() * 44);
  if (const QScreen* schermo = QGuiApplication::primaryScreen())
    misura = misura.boundedTo(schermo->availableGeometry().size() * 9 / 10);
  resize(misura);
}

QUrl FinestraAiuto::IndirizzoArgomento(const QString& cartellaProgramma, int argomento) {
  const QUrl cartella = QUrl::fromLocalFile(QDir(cartellaProgramma).filePath(QStringLiteral("help")) + QLatin1Char('/'));
  return cartella.resolved(QUrl(PaginaArgomento(argomento)));
}

FinestraAiuto* FinestraAiuto::Mostra(const QString& cartellaProgramma, int argomento) {
  static QPointer<FinestraAiuto> finestra;
  if (!finestra) finestra = new FinestraAiuto;
  finestra->setWindowTitle(QStringLiteral("Guida di ") + servizi().titolo);
  const QUrl indirizzo = IndirizzoArgomento(cartellaProgramma, argomento);
  // A page that is missing or cannot be read shows why (loadResource).
  finestra->mPagina->setSearchPaths({QFileInfo(indirizzo.toLocalFile()).absolutePath()});
  finestra->mPagina->setSource(indirizzo);
  finestra->show();
  finestra->raise();
  finestra->activateWindow();
  finestra->mPagina->setFocus();
  return finestra;
}

}  // namespace ui
