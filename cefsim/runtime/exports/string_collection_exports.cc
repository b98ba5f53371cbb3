// The string list, map and multimap handles of libcef.dll. Each handle is an
// object of this module, allocated by *_alloc and destroyed by *_free; the
// strings inside are copies owned by the collection.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "include/internal/cef_string_list.h"
#include "include/internal/cef_string_map.h"
#include "include/internal/cef_string_multimap.h"

namespace {

using Text = std::u16string;
using StringList = std::vector<Text>;
// Keys keep their order of insertion; find answers the first match.
using StringMap = std::vector<std::pair<Text, Text>>;
using StringMultimap = std::multimap<Text, Text>;

Text Read(const cef_string_t* value) {
  if (!value || !value->str)
    return Text();
  return Text(reinterpret_cast<const char16_t*>(value->str), value->length);
}

int Write(const Text& text, cef_string_t* output) {
  return cef_string_utf16_set(reinterpret_cast<const char16*>(text.data()),
                              text.size(), output, 1);
}

StringList* AsList(cef_string_list_t list) {
  return static_cast<StringList*>(list);
}
StringMap* AsMap(cef_string_map_t map) {
  return static_cast<StringMap*>(map);
}
StringMultimap* AsMultimap(cef_string_multimap_t map) {
  return static_cast<StringMultimap*>(map);
}

}  // namespace

cef_string_list_t cef_string_list_alloc(void) {
  return new StringList();
}

size_t cef_string_list_size(cef_string_list_t list) {
  return list ? AsList(list)->size() : 0;
}

int cef_string_list_value(cef_string_list_t list,
                          size_t index,
                          cef_string_t* value) {
  if (!list || !value || index >= AsList(list)->size())
    return 0;
  return Write((*AsList(list))[index], value);
}

void cef_string_list_append(cef_string_list_t list, const cef_string_t* value) {
  if (list)
    AsList(list)->push_back(Read(value));
}

void cef_string_list_clear(cef_string_list_t list) {
  if (list)
    AsList(list)->clear();
}

void cef_string_list_free(cef_string_list_t list) {
  delete AsList(list);
}

cef_string_list_t cef_string_list_copy(cef_string_list_t list) {
  if (!list)
    return nullptr;
  return new StringList(*AsList(list));
}

cef_string_map_t cef_string_map_alloc(void) {
  return new StringMap();
}

size_t cef_string_map_size(cef_string_map_t map) {
  return map ? AsMap(map)->size() : 0;
}

int cef_string_map_find(cef_string_map_t map,
                        const cef_string_t* key,
                        cef_string_t* value) {
  if (!map || !value)
    return 0;
  const Text wanted = Read(key);
  for (const auto& entry : *AsMap(map)) {
    if (entry.first == wanted)
      return Write(entry.second, value);
  }
  return 0;
}

int cef_string_map_key(cef_string_map_t map, size_t index, cef_string_t* key) {
  if (!map || !key || index >= AsMap(map)->size())
    return 0;
  return Write((*AsMap(map))[index].first, key);
}

int cef_string_map_value(cef_string_map_t map,
                         size_t index,
                         cef_string_t* value) {
  if (!map || !value || index >= AsMap(map)->size())
    return 0;
  return Write((*AsMap(map))[index].second, value);
}

int cef_string_map_append(cef_string_map_t map,
                          const cef_string_t* key,
                          const cef_string_t* value) {
  if (!map)
    return 0;
  AsMap(map)->emplace_back(Read(key), Read(value));
  return 1;
}

void cef_string_map_clear(cef_string_map_t map) {
  if (map)
    AsMap(map)->clear();
}

void cef_string_map_free(cef_string_map_t map) {
  delete AsMap(map);
}

cef_string_multimap_t cef_string_multimap_alloc(void) {
  return new StringMultimap();
}

size_t cef_string_multimap_size(cef_string_multimap_t map) {
  return map ? AsMultimap(map)->size() : 0;
}

size_t cef_string_multimap_find_count(cef_string_multimap_t map,
                                      const cef_string_t* key) {
  return map ? AsMultimap(map)->count(Read(key)) : 0;
}

int cef_string_multimap_enumerate(cef_string_multimap_t map,
                                  const cef_string_t* key,
                                  size_t value_index,
                                  cef_string_t* value) {
  if (!map || !value)
    return 0;
  auto range = AsMultimap(map)->equal_range(Read(key));
  for (auto it = range.first; it != range.second; ++it, --value_index) {
    if (value_index == 0)
      return Write(it->second, value);
  }
  return 0;
}

namespace {

StringMultimap::const_iterator EntryAt(cef_string_multimap_t map,
                                       size_t index) {
  auto it = AsMultimap(map)->cbegin();
  std::advance(it, index);
  return it;
}

}  // namespace

int cef_string_multimap_key(cef_string_multimap_t map,
                            size_t index,
                            cef_string_t* key) {
  if (!map || !key || index >= AsMultimap(map)->size())
    return 0;
  return Write(EntryAt(map, index)->first, key);
}

int cef_string_multimap_value(cef_string_multimap_t map,
                              size_t index,
                              cef_string_t* value) {
  if (!map || !value || index >= AsMultimap(map)->size())
    return 0;
  return Write(EntryAt(map, index)->second, value);
}

int cef_string_multimap_append(cef_string_multimap_t map,
                               const cef_string_t* key,
                               const cef_string_t* value) {
  if (!map)
    return 0;
  AsMultimap(map)->emplace(Read(key), Read(value));
  return 1;
}

void cef_string_multimap_clear(cef_string_multimap_t map) {
  if (map)
    AsMultimap(map)->clear();
}

void cef_string_multimap_free(cef_string_multimap_t map) {
  delete AsMultimap(map);
}
