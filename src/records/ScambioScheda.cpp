#include "records/ScambioScheda.h"

#include "base/Errore.h"
#include "data/Apici.h"
#include "data/LettoriCampi.h"
#include "data/ScritturaSicura.h"
#include "data/db.h"
#include "records/RegoleScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace scambioScheda {

namespace {

const QString marcaProgramma = QStringLiteral("Vibrana");

// The catalogue number as people read it: 12.5, 7. A single-precision value printed with the digits
// it holds, so 1.1 stays 1.1 and not 1.10000002.
QString testoNumero(float numero) {
    return QString::number(static_cast<double>(numero), 'g', 7);
}

QString chiaveFigura(const QString& macchina, float numero) {
    return macchina.toUpper() + QLatin1Char('|') + testoNumero(numero);
}

struct VoceCatalogo {
    std::int32_t id = 0;
    float numero = 0;
    QString macchina;
    QString percorso;
};

// The whole picture catalogue of the register, by identifier and by key: a few dozen rows.
struct Catalogo {
    QHash<std::int32_t, VoceCatalogo> perId;
    QHash<QString, std::int32_t> perChiave;

    Catalogo() {
        RecordSet rs = db().getRs(QStringLiteral("SELECT id_fig, numero, ID_MAC, figura FROM figure"));
        for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
            VoceCatalogo v;
            v.id = cLong(rs[QStringLiteral("id_fig")]);
            v.numero = static_cast<float>(cSingle(rs[QStringLiteral("numero")]));
            v.macchina = cStringa(rs[QStringLiteral("ID_MAC")]);
            v.percorso = cStringa(rs[QStringLiteral("figura")]);
            perId.insert(v.id, v);
            // Two rows with one key would make the file ambiguous: the first (lowest id) is the one.
            const QString k = chiaveFigura(v.macchina, v.numero);
            if (!perChiave.contains(k) || perChiave.value(k) > v.id)
                perChiave.insert(k, v.id);
        }
    }
};

QString nomeFile(const QString& percorso) {
    QString p = percorso;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p.section(QLatin1Char('/'), -1);
}

QJsonArray muscoliDi(std::int32_t idFig) {
    RecordSet rs = db().getRs(QStringLiteral("SELECT * FROM vw_figure_muscoli WHERE id_fig = ") +
                              QString::number(idFig));
    QStringList codici;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext())
        codici << cStringa(rs[QStringLiteral("id_muscolo")]).toUpper();
    codici.sort();
    codici.removeDuplicates();
    return QJsonArray::fromStringList(codici);
}

// dd/MM/yyyy (the records' form) <-> yyyy-MM-dd (the file's, the same in every locale).
QString dataPerFile(const QString& data) {
    const QDate d = QDate::fromString(data, QStringLiteral("dd/MM/yyyy"));
    return d.isValid() ? d.toString(Qt::ISODate) : QString();
}

using regoleScheda::Campo;
using regoleScheda::Difetto;

// An empty text is no date. One that cannot be read is refused rather than taken as no date.
QString dataDaFile(const QString& data, Campo campo, std::vector<Difetto>& difetti) {
    if (data.isEmpty())
        return {};
    const QDate d = QDate::fromString(data, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        difetti.push_back(regoleScheda::difetto(0, campo, data));
    return DB::testoData(d);
}

QJsonObject intestazioneDi(const SchedaEditabile& s) {
    QJsonObject o;
    o.insert(QStringLiteral("categoria"), s.categoria);
    o.insert(QStringLiteral("note"), s.note);
    if (const auto* m = dynamic_cast<const SchedaModello*>(&s)) {
        o.insert(QStringLiteral("descrizione"), m->descrizione);
    } else if (const auto* c = dynamic_cast<const scheda*>(&s)) {
        o.insert(QStringLiteral("istruttore"), c->Istruttore);
        o.insert(QStringLiteral("periodoDal"), dataPerFile(c->PeriodoDal));
        o.insert(QStringLiteral("periodoAl"), dataPerFile(c->PeriodoAl));
        o.insert(QStringLiteral("obiettivo"), c->Obiettivo);
        o.insert(QStringLiteral("frequenzaSettimanale"), static_cast<int>(c->FreqAllen));
        o.insert(QStringLiteral("giorniAllenamento"), c->GGAllen);
    }
    return o;
}

// A refusal of the file, with the reason as the user reads it.
struct Rifiuto {
    QString motivo;
};

const QString fileDanneggiato = QStringLiteral("Il file è danneggiato o non è una scheda di Vibrana.");

QJsonValue campo(const QJsonObject& o, const char* nome) {
    const QJsonValue v = o.value(QLatin1String(nome));
    if (v.isUndefined())
        throw Rifiuto{fileDanneggiato};
    return v;
}
QString testoCampo(const QJsonObject& o, const char* nome) {
    const QJsonValue v = campo(o, nome);
    if (!v.isString())
        throw Rifiuto{fileDanneggiato};
    return v.toString();
}
int byteCampo(const QJsonObject& o, const char* nome) {
    const QJsonValue v = campo(o, nome);
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d < 0 || d > 255 || d != std::floor(d))
        throw Rifiuto{fileDanneggiato};
    return static_cast<int>(d);
}
bool siNoCampo(const QJsonObject& o, const char* nome) {
    const QJsonValue v = campo(o, nome);
    if (!v.isBool())
        throw Rifiuto{fileDanneggiato};
    return v.toBool();
}

QString nomeTipo(Tipo t) {
    return t == Tipo::Modello ? QStringLiteral("modello") : QStringLiteral("scheda");
}

// The parts of the file that do not depend on the register: the document, its version and its kind.
QJsonObject leggiDocumento(const QByteArray& dati, Tipo& tipo) {
    QJsonParseError errore{};
    const QJsonDocument doc = QJsonDocument::fromJson(dati, &errore);
    if (errore.error != QJsonParseError::NoError || !doc.isObject())
        throw Rifiuto{fileDanneggiato};
    const QJsonObject radice = doc.object();
    if (radice.value(QStringLiteral("programma")).toString() != marcaProgramma)
        throw Rifiuto{fileDanneggiato};
    const QJsonValue formato = radice.value(QStringLiteral("formato"));
    const double versione = formato.toDouble(-1);
    if (!formato.isDouble() || versione < 1 || versione != std::floor(versione))
        throw Rifiuto{fileDanneggiato};
    if (versione > versioneFormato)
        throw Rifiuto{QStringLiteral("Il file è stato scritto da una versione più recente di Vibrana "
                                     "(formato %1; questa versione legge fino al formato %2).\n"
                                     "Aggiornare il programma per importarlo.")
                          .arg(static_cast<qint64>(versione))
                          .arg(versioneFormato)};
    const QString nome = radice.value(QStringLiteral("tipo")).toString();
    if (nome == nomeTipo(Tipo::Scheda))
        tipo = Tipo::Scheda;
    else if (nome == nomeTipo(Tipo::Modello))
        tipo = Tipo::Modello;
    else
        throw Rifiuto{fileDanneggiato};
    if (!radice.value(QStringLiteral("intestazione")).isObject() ||
        !radice.value(QStringLiteral("esercizi")).isArray())
        throw Rifiuto{fileDanneggiato};
    return radice;
}

} // namespace

QByteArray esporta(const SchedaEditabile& s) {
    const Catalogo catalogo;
    QJsonArray esercizi;
    long posizione = 0;
    for (const Esercizio& e : s.esercizi) {
        if (!e.isLibero && e.id_fig == 0)
            continue;
        ++posizione;
        QJsonObject o;
        o.insert(QStringLiteral("libero"), e.isLibero);
        o.insert(QStringLiteral("durata"), e.durata);
        o.insert(QStringLiteral("frequenza"), e.frequenza);
        o.insert(QStringLiteral("ampiezza"), e.ampiezza);
        o.insert(QStringLiteral("recuperoMin"), static_cast<int>(e.recuperoMin));
        o.insert(QStringLiteral("recuperoSec"), static_cast<int>(e.recuperoSec));
        o.insert(QStringLiteral("serie"), static_cast<int>(e.serie));
        o.insert(QStringLiteral("modalita"), e.modalita);
        o.insert(QStringLiteral("peso"), e.peso);
        o.insert(QStringLiteral("note"), e.note);
        if (e.isLibero) {
            // A free exercise is done off the machine: no picture travels with it.
            o.insert(QStringLiteral("figura"), QJsonValue());
        } else {
            const auto trovata = catalogo.perId.constFind(e.id_fig);
            if (trovata == catalogo.perId.cend())
                throw Errore(NumeriErrore::ElementoNonTrovato,
                             QStringLiteral("L'immagine dell'esercizio %1 non è nel catalogo di questo "
                                            "archivio: la scheda non può essere esportata.")
                                 .arg(posizione),
                             QStringLiteral("Vibrana"));
            QJsonObject f;
            f.insert(QStringLiteral("macchina"), trovata->macchina.toUpper());
            f.insert(QStringLiteral("numero"), testoNumero(trovata->numero).toDouble());
            f.insert(QStringLiteral("file"), nomeFile(trovata->percorso));
            f.insert(QStringLiteral("muscoli"), muscoliDi(e.id_fig));
            o.insert(QStringLiteral("figura"), f);
        }
        esercizi.append(o);
    }
    QJsonObject radice;
    radice.insert(QStringLiteral("programma"), marcaProgramma);
    radice.insert(QStringLiteral("formato"), versioneFormato);
    radice.insert(QStringLiteral("tipo"), nomeTipo(s.isModello ? Tipo::Modello : Tipo::Scheda));
    radice.insert(QStringLiteral("intestazione"), intestazioneDi(s));
    radice.insert(QStringLiteral("esercizi"), esercizi);
    return QJsonDocument(radice).toJson(QJsonDocument::Indented);
}

QString scriviFile(const QString& percorso, const QByteArray& dati) {
    return scriviFileProtetto(percorso, dati);
}

namespace {

// The lists' entries as the editor spells them, for a file that wrote them in another case.
void uniformaElenchi(Esercizio& e) {
    for (auto [campo, testo] :
         {std::pair{Campo::durata, &e.durata}, std::pair{Campo::frequenza, &e.frequenza},
          std::pair{Campo::ampiezza, &e.ampiezza}, std::pair{Campo::modalita, &e.modalita}}) {
        const QString voce = regoleScheda::voceElenco(campo, *testo);
        if (!voce.isEmpty())
            *testo = voce;
    }
}

QString righe(const QStringList& voci) {
    return QStringLiteral("  - ") + voci.join(QStringLiteral("\n  - "));
}

// `nome` is the file's name, for the message; empty when the data did not come from a file.
EsitoImportazione importaDati(const QByteArray& dati, Tipo atteso, std::int32_t idUtente,
                              const QString& nome) {
    EsitoImportazione esito;
    esito.tipo = atteso;
    try {
        Tipo tipo = atteso;
        const QJsonObject radice = leggiDocumento(dati, tipo);
        if (tipo != atteso)
            throw Rifiuto{tipo == Tipo::Modello
                              ? QStringLiteral("Il file contiene un modello, non una scheda: importarlo "
                                               "dall'elenco dei modelli.")
                              : QStringLiteral("Il file contiene la scheda di un atleta, non un modello: "
                                               "importarlo dall'elenco delle schede dell'atleta.")};
        const QJsonObject testa = radice.value(QStringLiteral("intestazione")).toObject();

        // The values the card's rules refuse, all of them, header first and then by exercise.
        std::vector<Difetto> difetti;
        std::unique_ptr<SchedaEditabile> nuova;
        if (tipo == Tipo::Modello) {
            auto m = std::make_unique<SchedaModello>();
            m->descrizione = testoCampo(testa, "descrizione");
            nuova = std::move(m);
        } else {
            auto c = std::make_unique<scheda>();
            c->id_utente = idUtente;
            c->Istruttore = testoCampo(testa, "istruttore");
            c->PeriodoDal = dataDaFile(testoCampo(testa, "periodoDal"), Campo::periodoDal, difetti);
            c->PeriodoAl = dataDaFile(testoCampo(testa, "periodoAl"), Campo::periodoAl, difetti);
            c->Obiettivo = testoCampo(testa, "obiettivo");
            c->FreqAllen = byteCampo(testa, "frequenzaSettimanale");
            c->GGAllen = testoCampo(testa, "giorniAllenamento");
            nuova = std::move(c);
        }
        nuova->categoria = testoCampo(testa, "categoria");
        nuova->note = testoCampo(testa, "note");

        // Everything the file names is checked before anything is written; what is missing is
        // listed in one message.
        const Catalogo catalogo;
        QStringList mancanti;
        long posizione = 0;
        for (const QJsonValue& v : radice.value(QStringLiteral("esercizi")).toArray()) {
            if (!v.isObject())
                throw Rifiuto{fileDanneggiato};
            ++posizione;
            const QJsonObject o = v.toObject();
            Esercizio e;
            e.isModello = nuova->isModello;
            e.isLibero = siNoCampo(o, "libero");
            e.durata = testoCampo(o, "durata");
            e.frequenza = testoCampo(o, "frequenza");
            e.ampiezza = testoCampo(o, "ampiezza");
            e.recuperoMin = byteCampo(o, "recuperoMin");
            e.recuperoSec = byteCampo(o, "recuperoSec");
            e.serie = byteCampo(o, "serie");
            e.modalita = testoCampo(o, "modalita");
            e.peso = testoCampo(o, "peso");
            e.note = testoCampo(o, "note");
            uniformaElenchi(e);
            const QJsonValue figura = campo(o, "figura");
            if (figura.isObject()) {
                const QJsonObject f = figura.toObject();
                const QString macchina = testoCampo(f, "macchina");
                const QJsonValue numero = campo(f, "numero");
                if (!numero.isDouble())
                    throw Rifiuto{fileDanneggiato};
                const float n = static_cast<float>(numero.toDouble());
                const QString descrizione =
                    QStringLiteral("n. %1 (%2, %3)")
                        .arg(testoNumero(n), macchina, f.value(QStringLiteral("file")).toString());
                const auto id = catalogo.perChiave.constFind(chiaveFigura(macchina, n));
                if (e.isLibero) {
                    // Done off the machine: a picture would be stored but never shown.
                    difetti.push_back(regoleScheda::difetto(posizione, Campo::immagine, descrizione));
                } else if (id == catalogo.perChiave.cend()) {
                    const QString voce = QStringLiteral("immagine ") + descrizione;
                    if (!mancanti.contains(voce))
                        mancanti << voce;
                } else {
                    e.id_fig = *id;
                }
            } else if (!figura.isNull() || !e.isLibero) {
                // Only a free exercise goes without a picture; anything else would be lost on saving.
                throw Rifiuto{fileDanneggiato};
            }
            for (Difetto& d : regoleScheda::difettiEsercizio(e, posizione))
                difetti.push_back(std::move(d));
            nuova->esercizi.Add(std::move(e));
        }
        for (Difetto& d : regoleScheda::difettiIntestazione(*nuova))
            difetti.push_back(std::move(d));
        std::stable_sort(difetti.begin(), difetti.end(), [](const Difetto& a, const Difetto& b) {
            if (a.esercizio != b.esercizio)
                return a.esercizio < b.esercizio;
            return static_cast<int>(a.campo) < static_cast<int>(b.campo);
        });

        if (!nuova->categoria.isEmpty()) {
            try {
                if (!nuova->setCategoriaPerNome(QString())) {
                    esito.messaggio.clear(); // the lookup has reported the register's failure
                    return esito;
                }
            } catch (const Errore& e) {
                if (e.numero() != NumeriErrore::CategoriaNonEsistente)
                    throw;
                mancanti.prepend(QStringLiteral("categoria \"%1\"").arg(nuova->categoria));
            }
        }
        if (!difetti.empty()) {
            QStringList voci;
            for (const Difetto& d : difetti)
                voci << regoleScheda::descrivi(d);
            QString motivo = (nome.isEmpty() ? QStringLiteral("Impossibile importare:\n")
                                             : QStringLiteral("Impossibile importare «%1»:\n").arg(nome)) +
                             righe(voci) + QLatin1Char('\n');
            if (!mancanti.isEmpty())
                motivo += QStringLiteral("Inoltre in questo archivio mancano\n") + righe(mancanti) +
                          QLatin1Char('\n');
            throw Rifiuto{motivo + QStringLiteral("Non è stato importato nulla.")};
        }
        if (!mancanti.isEmpty())
            throw Rifiuto{QStringLiteral("Impossibile importare: in questo archivio mancano\n%1\n"
                                         "Non è stato importato nulla.")
                              .arg(righe(mancanti))};

        if (tipo == Tipo::Scheda &&
            db().DCount(QStringLiteral("id_utente"), QStringLiteral("utenti"),
                        QStringLiteral("id_utente = ") + QString::number(idUtente)) < 1)
            throw Rifiuto{QStringLiteral("L'atleta n. %1 non è in archivio: non è stato importato nulla.")
                              .arg(idUtente)};

        nuova->save();
        if (!nuova->isSaved || nuova->id_scheda == 0)
            return esito; // the database has reported why
        esito.riuscito = true;
        esito.id = nuova->id_scheda;
        return esito;
    } catch (const Rifiuto& r) {
        esito.messaggio = r.motivo;
        return esito;
    }
}

} // namespace

EsitoImportazione importa(const QByteArray& dati, Tipo atteso, std::int32_t idUtente) {
    return importaDati(dati, atteso, idUtente, QString());
}

EsitoImportazione importaFile(const QString& percorso, Tipo atteso, std::int32_t idUtente) {
    EsitoImportazione esito;
    esito.tipo = atteso;
    const QString nome = nomeFile(percorso);
    auto rifiuto = [&](const QString& motivo) {
        esito.messaggio = QStringLiteral("Impossibile leggere «%1»: %2").arg(nome, motivo);
        return esito;
    };
    // Looked at before opening: a FIFO or a device would block the read or never end.
    struct stat s {};
    if (::stat(QFile::encodeName(percorso).constData(), &s) != 0)
        return rifiuto(errno == EACCES ? QStringLiteral("non si ha il permesso di leggerlo")
                                       : QStringLiteral("il file non esiste"));
    if (S_ISDIR(s.st_mode))
        return rifiuto(QStringLiteral("è una cartella"));
    if (!S_ISREG(s.st_mode))
        return rifiuto(QStringLiteral("non è un file normale"));
    const QString troppoGrande = QStringLiteral("il file è più grande di %1 MB: non è una scheda Vibrana")
                                     .arg(dimensioneMassimaFile / (1024 * 1024));
    if (s.st_size > dimensioneMassimaFile)
        return rifiuto(troppoGrande);
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly))
        return rifiuto(QStringLiteral("non si ha il permesso di leggerlo"));
    // One byte more than allowed tells a file that grew after the look.
    const QByteArray dati = f.read(dimensioneMassimaFile + 1);
    if (dati.size() > dimensioneMassimaFile)
        return rifiuto(troppoGrande);
    if (f.error() != QFileDevice::NoError)
        return rifiuto(QStringLiteral("errore di lettura"));
    return importaDati(dati, atteso, idUtente, nome);
}

} // namespace scambioScheda
