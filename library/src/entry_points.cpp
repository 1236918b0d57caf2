#include "House.h"

#include <QFile>

using namespace ordwen;

extern "C" {

std::int32_t DllGetClassObject(const char *rclsid, const char *riid, void **ppv) {
    if (!ppv)
        return E_POINTER_;
    *ppv = nullptr;
    if (!rclsid || QByteArray(rclsid).compare(CLSID_House, Qt::CaseInsensitive) != 0)
        return CLASS_E_CLASSNOTAVAILABLE_;
    if (riid && QByteArray(riid).compare(IID__House, Qt::CaseInsensitive) != 0)
        return E_NOINTERFACE_;
    *ppv = static_cast<_House *>(new detail::House);
    return S_OK_;
}

std::int32_t DllRegisterServer(void) {
    return S_OK_;
}

std::int32_t DllUnregisterServer(void) {
    return S_OK_;
}

std::int32_t DllCanUnloadNow(void) {
    // Objects are deleted by their holders; the library may always be unloaded.
    return S_OK_;
}

void OrdwenSetApplicationFolder(const char *folder) {
    detail::SetLibraryFolder(folder ? QFile::decodeName(folder) : QString());
}

const char *OrdwenApplicationFolder(void) {
    static QByteArray folder;
    folder = QFile::encodeName(detail::LibraryFolder());
    return folder.constData();
}

const char *OrdwenLastStatement(void) {
    static QByteArray text;
    text = detail::LastStatement().toUtf8();
    return text.constData();
}
}
