#include "server/transferclasses.h"

#include "platform/dbx/jsonmarshal.h"
#include "server/baglantiu.h"
#include "server/mobilstokunit.h"

void registerTransferClasses()
{
    TJSONRegistry::add<TSonucBilgisi>();
    TJSONRegistry::add<TSiparisDipAyrinti>();
    TJSONRegistry::add<TTusSonuclari>();
    TJSONRegistry::add<TMobilCariBilgisi>();
    TJSONRegistry::add<TAcilisEkran>();
    TJSONRegistry::add<TAcilisEkranlariki>();
    TJSONRegistry::add<TAcilisEkranlar>();
    TJSONRegistry::add<TMobilStok>();
    TJSONRegistry::add<TMobilStoklar>();
    TJSONRegistry::add<TMobilSepet>();
    TJSONRegistry::add<TMobilSepetler>();
}
