#include "hosting/dispatch_call.h"

#include <wrl/client.h>

namespace zel {

bool PutProperty(IUnknown* object, const wchar_t* name, const VARIANT& value) {
  Microsoft::WRL::ComPtr<IDispatch> dispatch;
  if (!object || FAILED(object->QueryInterface(IID_PPV_ARGS(&dispatch)))) return false;
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;
  VARIANT arg = value;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &put, 1, 1};
  return SUCCEEDED(dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                    &params, nullptr, nullptr, nullptr));
}

}  // namespace zel
