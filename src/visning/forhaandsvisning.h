#pragma once
// The engine of the live preview, behind a small interface: Qt WebEngine lives in the
// browser module (see information/webrude.h), loaded when the preview is first shown.

#include <QString>
#include <QUrl>
#include <QVariant>

#include <functional>

class QWidget;

namespace visning {

class TForhaandsvisning {
public:
    virtual ~TForhaandsvisning() = default;
    virtual QWidget *widget() = 0;
    // Shows html as a page in the folder base (its style sheets and pictures load from there),
    // with script run beside it in a world of its own, out of the page's reach.
    virtual void vis(const QString &html, const QUrl &base, const QString &script = {}) = 0;
    // Whether the page's requests may go to the network; off, they are blocked and counted.
    virtual void setTilladNet(bool on) = 0;
    // The folder the page may read from: the site's root, when the page's folder lies in it;
    // empty, the page's own folder. Files outside it are never shown to the page.
    virtual void setRod(const QString &mappe) = 0;
    virtual int blokerede() const = 0;   // network requests blocked so far
    // Runs a script in the world of the script given to vis (the page's document, not its
    // variables); svar, when set, gets its result.
    virtual void koerScript(const QString &js, const std::function<void(const QVariant &)> &svar = {}) = 0;

    // A version that has not finished loading after this long is taken as a page that does
    // not answer (a script that never ends): its renderer is let go and a new one waits for
    // the next version.
    static constexpr int kSvarTidMs = 5000;

    // Set by the owner.
    std::function<void(bool ok)> vist;                 // a version of the page is loaded
    std::function<void()> svarerIkke;                  // a version did not answer and was let go
    std::function<void(const QString &)> konsol;       // the page's console messages
};

using LavForhaandsvisningFunktion = TForhaandsvisning *(*)(QWidget *parent);
inline constexpr const char *LavForhaandsvisningNavn = "tavlevirke_lavForhaandsvisning";

// Loads the module (once) and makes a preview; nullptr with a Danish reason when it cannot.
TForhaandsvisning *lavForhaandsvisning(QWidget *parent, QString *fejl = nullptr);

} // namespace visning
