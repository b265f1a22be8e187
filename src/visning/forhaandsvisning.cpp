#include "visning/forhaandsvisning.h"

#include "information/webrude.h"

namespace visning {

TForhaandsvisning *lavForhaandsvisning(QWidget *parent, QString *fejl)
{
    auto lav = reinterpret_cast<LavForhaandsvisningFunktion>(information::webFunktion(LavForhaandsvisningNavn, fejl));
    return lav ? lav(parent) : nullptr;
}

} // namespace visning
