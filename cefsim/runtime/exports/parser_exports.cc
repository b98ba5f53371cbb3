// URL parsing, resolution and display, MIME types, URI and Base64 coding and
// JSON, as libcef.dll exports them to the wrapper's cef_parser.h functions.
#include "wrapper/parser_exports.h"

#include "wrapper/values_exports.h"

#include <string>

#include "include/cef_values.h"
#include "text/base64.h"
#include "text/json_reader.h"
#include "text/json_value.h"
#include "text/json_writer.h"
#include "text/mime_types.h"
#include "text/uri_encode.h"
#include "text/url_build.h"
#include "text/url_canon.h"
#include "text/url_security_display.h"
#include "text/utf_convert.h"
#include "wrapper/adopt.h"

namespace {

std::u16string Read(const cef_string_t* text) {
  if (!text || !text->str)
    return std::u16string();
  return std::u16string(reinterpret_cast<const char16_t*>(text->str),
                        text->length);
}

cef_string_userfree_t UserFree(const std::u16string& text) {
  cef_string_userfree_t result = cef_string_userfree_utf16_alloc();
  cef_string_utf16_set(reinterpret_cast<const char16*>(text.data()),
                       text.size(), result, 1);
  return result;
}

void SetPart(const std::string& utf8, cef_string_t* part) {
  cef_string_utf8_to_utf16(utf8.data(), utf8.size(), part);
}

// The JSON writer's view of a CefValue tree, read through the public
// interface so any valid value can be written.
cefsim::text::JsonValue ToJson(CefRefPtr<CefValue> value);

cefsim::text::JsonValue DictionaryToJson(CefRefPtr<CefDictionaryValue> dict) {
  cefsim::text::JsonValue::Dict entries;
  CefDictionaryValue::KeyList keys;
  dict->GetKeys(keys);
  for (const CefString& key : keys)
    entries.emplace(key.ToString(), ToJson(dict->GetValue(key)));
  return cefsim::text::JsonValue(std::move(entries));
}

cefsim::text::JsonValue ListToJson(CefRefPtr<CefListValue> list) {
  cefsim::text::JsonValue::List items;
  for (size_t i = 0; i < list->GetSize(); ++i)
    items.push_back(ToJson(list->GetValue(i)));
  return cefsim::text::JsonValue(std::move(items));
}

cefsim::text::JsonValue ToJson(CefRefPtr<CefValue> value) {
  using cefsim::text::JsonValue;
  switch (value->GetType()) {
    case VTYPE_BOOL:
      return JsonValue(value->GetBool());
    case VTYPE_INT:
      return JsonValue(value->GetInt());
    case VTYPE_DOUBLE:
      return JsonValue(value->GetDouble());
    case VTYPE_STRING:
      return JsonValue(value->GetString().ToString());
    case VTYPE_BINARY: {
      CefRefPtr<CefBinaryValue> binary = value->GetBinary();
      std::string bytes(binary->GetSize(), '\0');
      if (!bytes.empty())
        binary->GetData(&bytes[0], bytes.size(), 0);
      return JsonValue::Binary(std::move(bytes));
    }
    case VTYPE_DICTIONARY:
      return DictionaryToJson(value->GetDictionary());
    case VTYPE_LIST:
      return ListToJson(value->GetList());
    default:
      return JsonValue();
  }
}

// A CefValue tree with the content of |json|.
CefRefPtr<CefValue> FromJson(const cefsim::text::JsonValue& json) {
  using Type = cefsim::text::JsonValue::Type;
  CefRefPtr<CefValue> value = cefsim::Adopt(cefsim_value_create());
  switch (json.type()) {
    case Type::kBool:
      value->SetBool(json.bool_value());
      break;
    case Type::kInt:
      value->SetInt(json.int_value());
      break;
    case Type::kDouble:
      value->SetDouble(json.double_value());
      break;
    case Type::kString:
      value->SetString(json.string_value());
      break;
    case Type::kList: {
      CefRefPtr<CefListValue> list = cefsim::Adopt(cefsim_list_value_create());
      for (const cefsim::text::JsonValue& item : json.list())
        list->SetValue(list->GetSize(), FromJson(item));
      value->SetList(list);
      break;
    }
    case Type::kDict: {
      CefRefPtr<CefDictionaryValue> dict =
          cefsim::Adopt(cefsim_dictionary_value_create());
      for (const auto& entry : json.dict())
        dict->SetValue(entry.first, FromJson(entry.second));
      value->SetDictionary(dict);
      break;
    }
    case Type::kNull:
    case Type::kBinary:
      value->SetNull();
      break;
  }
  return value;
}

std::string ReadUtf8(const cef_string_t* text) {
  std::string utf8;
  cefsim::text::Utf16ToUtf8(Read(text), &utf8);
  return utf8;
}

void SetString(const std::string& utf8, cef_string_t* out) {
  if (out)
    cef_string_utf8_to_utf16(utf8.data(), utf8.size(), out);
}

}  // namespace

int cef_resolve_url(const cef_string_t* base_url,
                    const cef_string_t* relative_url,
                    cef_string_t* resolved_url) {
  std::string resolved;
  if (!cefsim::text::ResolveUrl(ReadUtf8(base_url), ReadUtf8(relative_url),
                                &resolved)) {
    return 0;
  }
  SetString(resolved, resolved_url);
  return 1;
}

int cef_create_url(const cef_urlparts_t* parts, cef_string_t* url) {
  if (!parts)
    return 0;
  cefsim::text::UrlParts text;
  text.spec = ReadUtf8(&parts->spec);
  text.scheme = ReadUtf8(&parts->scheme);
  text.username = ReadUtf8(&parts->username);
  text.password = ReadUtf8(&parts->password);
  text.host = ReadUtf8(&parts->host);
  text.port = ReadUtf8(&parts->port);
  text.path = ReadUtf8(&parts->path);
  text.query = ReadUtf8(&parts->query);
  text.fragment = ReadUtf8(&parts->fragment);
  std::string spec;
  if (!cefsim::text::CreateUrl(text, &spec))
    return 0;
  SetString(spec, url);
  return 1;
}

cef_string_userfree_t cef_format_url_for_security_display(
    const cef_string_t* origin_url) {
  return UserFree(
      cefsim::text::FormatUrlForSecurityDisplay(ReadUtf8(origin_url)));
}

cef_string_userfree_t cef_get_mime_type(const cef_string_t* extension) {
  const std::string type =
      cefsim::text::MimeTypeForExtension(ReadUtf8(extension));
  if (type.empty())
    return nullptr;
  std::u16string text;
  cefsim::text::Utf8ToUtf16(type, &text);
  return UserFree(text);
}

void cef_get_extensions_for_mime_type(const cef_string_t* mime_type,
                                      cef_string_list_t extensions) {
  if (!extensions)
    return;
  for (const std::string& extension :
       cefsim::text::ExtensionsForMimeType(ReadUtf8(mime_type))) {
    cef_string_t text = {};
    SetString(extension, &text);
    cef_string_list_append(extensions, &text);
    cef_string_clear(&text);
  }
}

CefValue* cefsim_parse_json(const void* json,
                            size_t json_size,
                            int options,
                            cef_string_t* error_msg_out) {
  const std::string_view text(json ? static_cast<const char*>(json) : "",
                              json ? json_size : 0);
  cefsim::text::JsonValue parsed;
  std::string error;
  if (!cefsim::text::ParseJson(text, options, &parsed, &error)) {
    SetString(error, error_msg_out);
    return nullptr;
  }
  CefRefPtr<CefValue> value = FromJson(parsed);
  value->AddRef();  // The caller's reference.
  return value.get();
}

int cef_parse_url(const cef_string_t* url, cef_urlparts_t* parts) {
  if (!parts)
    return 0;
  std::string spec;
  cefsim::text::Utf16ToUtf8(Read(url), &spec);
  cefsim::text::UrlParts parsed;
  if (!cefsim::text::ParseUrl(spec, &parsed))
    return 0;
  SetPart(parsed.spec, &parts->spec);
  SetPart(parsed.scheme, &parts->scheme);
  SetPart(parsed.username, &parts->username);
  SetPart(parsed.password, &parts->password);
  SetPart(parsed.host, &parts->host);
  SetPart(parsed.port, &parts->port);
  SetPart(parsed.origin, &parts->origin);
  SetPart(parsed.path, &parts->path);
  SetPart(parsed.query, &parts->query);
  SetPart(parsed.fragment, &parts->fragment);
  return 1;
}

cef_string_userfree_t cef_uriencode(const cef_string_t* text, int use_plus) {
  return UserFree(cefsim::text::UriEncode(Read(text), use_plus != 0));
}

cef_string_userfree_t cef_uridecode(const cef_string_t* text,
                                    int convert_to_utf8,
                                    cef_uri_unescape_rule_t unescape_rule) {
  return UserFree(
      cefsim::text::UriDecode(Read(text), convert_to_utf8 != 0, unescape_rule));
}

cef_string_userfree_t cef_base64encode(const void* data, size_t data_size) {
  std::string bytes;
  if (data && data_size)
    bytes.assign(static_cast<const char*>(data), data_size);
  std::u16string text;
  cefsim::text::Utf8ToUtf16(cefsim::text::Base64Encode(bytes), &text);
  return UserFree(text);
}

CefBinaryValue* cefsim_base64decode(const cef_string_t* data) {
  std::string text;
  cefsim::text::Utf16ToUtf8(Read(data), &text);
  std::string bytes;
  if (!cefsim::text::Base64Decode(text, &bytes) || bytes.empty())
    return nullptr;
  return cefsim_binary_value_create(bytes.data(), bytes.size());
}

cef_string_userfree_t cefsim_write_json(CefValue* node, int options) {
  if (!node || !node->IsValid())
    return nullptr;
  std::string json;
  cefsim::text::WriteJson(ToJson(node), options, &json);
  std::u16string text;
  cefsim::text::Utf8ToUtf16(json, &text);
  return UserFree(text);
}
