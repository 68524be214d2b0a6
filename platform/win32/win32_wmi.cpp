// WMI through its scripting objects: SWbemLocator, ISWbemServices, ISWbemObjectSet, ISWbemObject.
#include <windows.h>
// After windows.h.
#include <oleauto.h>
#include <wbemdisp.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// A connection to one server's namespace, made with the locator.
ComPtr<ISWbemServices> Connect(ISWbemLocator* locator, const std::string& server, const std::string& nameSpace) {
    UniqueBstr serverName(Widen(server).c_str());
    UniqueBstr namespaceName(Widen(nameSpace).c_str());
    UniqueBstr empty(L"");
    ComPtr<ISWbemServices> services;
    if (FAILED(locator->ConnectServer(serverName.Get(), namespaceName.Get(), empty.Get(), empty.Get(), empty.Get(),
                                      empty.Get(), 0, nullptr, services.Put()))) {
        services.Reset();
    }
    return services;
}

// The query over a connection: the property of every instance, in enumeration order.
std::optional<Values> RunQuery(ISWbemServices* services, const std::string& query, const std::string& property) {
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

// The scripting objects a thread keeps between queries: the locator and one connection per server and
// namespace. Only the thread that made them uses them.
class Session {
public:
    // Connects to the namespace unless a connection is kept already.
    void Prepare(const std::string& server, const std::string& nameSpace) {
        if (!MakeLocator()) return;
        const std::string key = Key(server, nameSpace);
        if (connections_.count(key) != 0) return;
        if (ComPtr<ISWbemServices> services = Connect(locator_.Get(), server, nameSpace)) {
            connections_.emplace(key, std::move(services));
        }
    }

    std::optional<Values> Query(const std::string& server, const std::string& nameSpace, const std::string& query,
                                const std::string& property) {
        if (!MakeLocator()) return std::nullopt;
        const std::string key = Key(server, nameSpace);
        auto kept = connections_.find(key);
        if (kept != connections_.end()) {
            if (auto values = RunQuery(kept->second.Get(), query, property)) return values;
            // A kept connection can go stale (the service restarted): the query gets one fresh one.
            connections_.erase(kept);
        }
        ComPtr<ISWbemServices> services = Connect(locator_.Get(), server, nameSpace);
        if (!services) return std::nullopt;
        auto values = RunQuery(services.Get(), query, property);
        connections_.emplace(key, std::move(services));
        return values;
    }

private:
    static std::string Key(const std::string& server, const std::string& nameSpace) {
        return server + '\n' + nameSpace;
    }
    bool MakeLocator() {
        if (locator_) return true;
        if (FAILED(CoCreateInstance(kClsidSWbemLocator, nullptr, CLSCTX_INPROC_SERVER, kIidISWbemLocator,
                                    locator_.PutVoid()))) {
            locator_.Reset();
        }
        return static_cast<bool>(locator_);
    }

    ComPtr<ISWbemLocator> locator_;
    std::map<std::string, ComPtr<ISWbemServices>> connections_;
};

// The helper thread the queries run on, made at the first query and kept for the run with its own
// COM apartment and its session: opening the apartment, loading the scripting objects and connecting
// cost more than a query does. It runs one query at a time; the caller waits for each within the
// bound, and a query that outlived its wait keeps the helper until it ends.
class QueryHelper {
public:
    struct Job {
        Job(std::string s, std::string n, std::string q, std::string p)
            : server(std::move(s)), nameSpace(std::move(n)), query(std::move(q)), property(std::move(p)) {}
        std::string server, nameSpace, query, property;
        std::optional<Values> result;
        UniqueHandle done{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    };

    // The helper of the run, made at the first call, which names the namespaces it connects to before
    // its first query; null when no thread could be made.
    static QueryHelper* Instance(const std::vector<platform::WmiNamespace>& prepare) {
        static QueryHelper* const helper = [&prepare] {
            auto* made = new QueryHelper;  // kept until the process ends, like its thread
            made->prepare_ = prepare;
            if (made->Start()) return made;
            delete made;
            return static_cast<QueryHelper*>(nullptr);
        }();
        return helper;
    }

    // The query's answer; nullopt when it did not end within waitMs, and at once while an earlier
    // query that outlived its wait is still running (the service is stuck).
    std::optional<Values> Run(const std::string& server, const std::string& nameSpace, const std::string& query,
                              const std::string& property, DWORD waitMs) {
        if (InterlockedCompareExchange(&busy_, 1, 0) != 0) return std::nullopt;
        auto shared = std::make_shared<Job>(server, nameSpace, query, property);
        if (!shared->done.Valid()) {
            InterlockedExchange(&busy_, 0);
            return std::nullopt;
        }
        next_ = shared;
        SetEvent(wake_.Get());
        if (WaitForSingleObject(shared->done.Get(), waitMs) != WAIT_OBJECT_0) return std::nullopt;
        // The event is set after the answer is stored, and setting it orders the helper's writes
        // before the wait's return.
        return std::move(shared->result);
    }

private:
    bool Start() {
        wake_ = UniqueHandle(CreateEventA(nullptr, FALSE, FALSE, nullptr));
        if (!wake_.Valid()) return false;
        HANDLE thread = CreateThread(nullptr, 0, &QueryHelper::Main, this, 0, nullptr);
        if (!thread) return false;
        CloseHandle(thread);
        return true;
    }

    static DWORD WINAPI Main(void* parameter) {
        auto* helper = static_cast<QueryHelper*>(parameter);
        // A single-threaded apartment of its own, as the user-interface thread has: the scripting objects
        // are apartment-threaded, and made from a multithreaded apartment they would live on a host
        // thread of COM's with every call marshalled to it, several milliseconds each.
        const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        Session session;
        // A query handed over meanwhile waits for this within its bound.
        try {
            if (com) {
                for (const platform::WmiNamespace& target : helper->prepare_) session.Prepare(target.server, target.nameSpace);
            }
        } catch (...) {
            // Out of memory: the queries connect for themselves.
        }
        for (;;) {
            WaitForSingleObject(helper->wake_.Get(), INFINITE);
            // The caller stored the job before it set the event and waits until the helper is free
            // again before it stores the next one.
            std::shared_ptr<Job> job = std::move(helper->next_);
            if (!job) continue;
            try {
                if (com) job->result = session.Query(job->server, job->nameSpace, job->query, job->property);
            } catch (...) {
                // Out of memory: the query failed, and the helper goes on.
                job->result.reset();
            }
            // Free before the caller wakes, so that its next query finds the helper free.
            InterlockedExchange(&helper->busy_, 0);
            SetEvent(job->done.Get());
            job.reset();  // a caller that gave up no longer holds it: the answer is disposed of here
        }
    }

    std::vector<platform::WmiNamespace> prepare_;
    UniqueHandle wake_;
    std::shared_ptr<Job> next_;
    LONG busy_ = 0;  // a job is with the helper, from the caller's hand-over to the helper's end
};

}  // namespace

void Win32System::PrepareQueries(const std::vector<platform::WmiNamespace>& namespaces) {
    QueryHelper::Instance(namespaces);
}

std::optional<std::vector<platform::WmiValue>> Win32System::QueryProperty(const std::string& server,
                                                                          const std::string& nameSpace,
                                                                          const std::string& query,
                                                                          const std::string& property) {
    // A slow or hung WMI service holds the connection, the query and the enumeration for as long as it
    // takes; the scripting objects offer no limit on any of them. The query runs on the helper, which
    // hands back only texts, so no COM object crosses threads.
    if (QueryHelper* helper = QueryHelper::Instance({})) {
        return helper->Run(server, nameSpace, query, property, platform::kWmiQueryWaitMs);
    }
    // Without a helper the query runs here, unbounded, in this thread's own apartment.
    Session session;
    return session.Query(server, nameSpace, query, property);
}

}  // namespace orvane::win32
