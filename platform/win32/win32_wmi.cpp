// WMI through its scripting objects: SWbemLocator, ISWbemServices, ISWbemObjectSet, ISWbemObject.
#include <windows.h>
// After windows.h.
#include <oleauto.h>
#include <wbemdisp.h>

#include "platform/win32/bounded_call.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_system.h"

namespace orvane::win32 {

namespace {

// The scripting API's published identities.
constexpr CLSID kClsidSWbemLocator = {
    0x76A64158, 0xCB41, 0x11D1, {0x8B, 0x02, 0x00, 0x60, 0x08, 0x06, 0xD9, 0xB6}
};
constexpr IID kIidISWbemLocator = {
    0x76A6415B, 0xCB41, 0x11D1, {0x8B, 0x02, 0x00, 0x60, 0x08, 0x06, 0xD9, 0xB6}
};
constexpr IID kIidISWbemObject = {
    0x76A6415A, 0xCB41, 0x11D1, {0x8B, 0x02, 0x00, 0x60, 0x08, 0x06, 0xD9, 0xB6}
};
constexpr IID kIidIEnumVARIANT = {
    0x00020404, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}
};

// One instance's property: Null stays Null, anything else goes through a string.
platform::WmiValue PropertyOf(IDispatch* element, const std::wstring& property) {
    using Kind = platform::WmiValue::Kind;
    ComPtr<ISWbemObject> object;
    if (!element || FAILED(element->QueryInterface(kIidISWbemObject, object.PutVoid())) || !object) return {};
    ComPtr<ISWbemPropertySet> properties;
    if (FAILED(object->get_Properties_(properties.Put())) || !properties) return {};
    UniqueBstr name(property.c_str());
    ComPtr<ISWbemProperty> item;
    if (FAILED(properties->Item(name.Get(), 0, item.Put())) || !item) return {};
    UniqueVariant value;
    if (FAILED(item->get_Value(value.Get()))) return {};
    if ((*value).vt == VT_NULL) return {Kind::Null, {}};
    UniqueVariant text;
    if (FAILED(VariantChangeType(text.Get(), value.Get(), 0, VT_BSTR))) return {};
    const BSTR bstr = (*text).bstrVal;
    return {Kind::Text, Narrow(bstr, SysStringLen(bstr))};
}

using Values = std::vector<platform::WmiValue>;

// The whole query on the calling thread: every COM object is made and released here.
std::optional<Values> RunQuery(const std::string& server, const std::string& nameSpace, const std::string& query,
                               const std::string& property) {
    ComPtr<ISWbemLocator> locator;
    if (FAILED(CoCreateInstance(kClsidSWbemLocator, nullptr, CLSCTX_INPROC_SERVER, kIidISWbemLocator,
                                locator.PutVoid())) ||
        !locator) {
        return std::nullopt;
    }
    UniqueBstr serverName(Widen(server).c_str());
    UniqueBstr namespaceName(Widen(nameSpace).c_str());
    UniqueBstr empty(L"");
    ComPtr<ISWbemServices> services;
    if (FAILED(locator->ConnectServer(serverName.Get(), namespaceName.Get(), empty.Get(), empty.Get(), empty.Get(),
                                      empty.Get(), 0, nullptr, services.Put())) ||
        !services) {
        return std::nullopt;
    }
    UniqueBstr queryText(Widen(query).c_str());
    UniqueBstr language(L"WQL");
    ComPtr<ISWbemObjectSet> objects;
    // Flags 0: the call returns when the whole result set is ready.
    if (FAILED(services->ExecQuery(queryText.Get(), language.Get(), 0, nullptr, objects.Put())) || !objects) {
        return std::nullopt;
    }
    ComPtr<IUnknown> enumerator;
    if (FAILED(objects->get__NewEnum(enumerator.Put())) || !enumerator) return std::nullopt;
    ComPtr<IEnumVARIANT> elements;
    if (FAILED(enumerator->QueryInterface(kIidIEnumVARIANT, elements.PutVoid())) || !elements) return std::nullopt;

    const std::wstring propertyName = Widen(property);
    std::vector<platform::WmiValue> values;
    for (;;) {
        UniqueVariant element;
        ULONG fetched = 0;
        if (elements->Next(1, element.Get(), &fetched) != S_OK || fetched != 1) break;
        IDispatch* dispatch = (*element).vt == VT_DISPATCH ? (*element).pdispVal : nullptr;
        values.push_back(PropertyOf(dispatch, propertyName));
        // The first error decides the result; later instances need not be asked.
        if (values.back().kind == platform::WmiValue::Kind::Error) break;
    }
    return values;
}

// Helpers whose query has not ended yet: one that outlived its wait means the service is stuck, and
// a new query would only wait the same time again. The helpers' only shared state.
LONG queriesRunning = 0;

}  // namespace

std::optional<std::vector<platform::WmiValue>> Win32System::QueryProperty(const std::string& server,
                                                                          const std::string& nameSpace,
                                                                          const std::string& query,
                                                                          const std::string& property) {
    // A slow or hung WMI service holds the connection, the query and the enumeration for as long as it
    // takes; the scripting objects offer no limit on any of them. The whole query runs on a helper with
    // its own COM apartment and hands back only texts, so no COM object crosses threads.
    if (InterlockedCompareExchange(&queriesRunning, 0, 0) != 0) return std::nullopt;
    InterlockedIncrement(&queriesRunning);
    auto answer = CallWithin<std::optional<Values>>(platform::kWmiQueryWaitMs, [=] {
        std::optional<Values> values;
        const HRESULT initialised = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(initialised)) {
            values = RunQuery(server, nameSpace, query, property);
            CoUninitialize();
        }
        InterlockedDecrement(&queriesRunning);
        return values;
    });
    if (answer.outcome == BoundedOutcome::TimedOut || !answer.result) return std::nullopt;
    return std::move(*answer.result);
}

}  // namespace orvane::win32
