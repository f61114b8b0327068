#include "RateService.h"

#include "Bundle.h"

RateService RateService::fromInfoDictionary() {
    const Bundle& bundle = Bundle::mainBundle();
    RateService service;
    service.serverHost = bundle.objectForInfoDictionaryKey(QStringLiteral("RateServerHost")).toString();
    service.namespaceHost =
        bundle.objectForInfoDictionaryKey(QStringLiteral("RateServiceNamespaceHost")).toString();
    return service;
}
