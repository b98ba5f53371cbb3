"""Reads CEF's sources for the names and declarations of its API.

CEF marks every C function of its API with CEF_EXPORT and every C++ method
or function that its translator handles with a /*--cef(...)--*/ comment.
Both are regular enough to read without a C++ parser.
"""

import os
import re

# One pass, so that "//" inside a block comment or a string, or "/*" inside
# a line comment ("image/*"), is read as what it is.
_TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"', re.S)
_DIRECTIVE = re.compile(r"^[ \t]*#.*$", re.M)
_EXPORTED_NAME = re.compile(r"\bCEF_EXPORT\b[^;{}()]*?\b([A-Za-z_]\w*)\s*\(")
_ANNOTATION = re.compile(r"/\*--cef\([^)]*\)--\*/")
_CLASS_HEAD = re.compile(r"\b(?:class|struct)\s+(\w+)[^;{]*$")


def read(path):
  with open(path, encoding="utf-8") as f:
    return f.read()


def strip_comments(text):
  """Drops comments but keeps the translator's annotations."""

  def replace(match):
    token = match.group(0)
    if token.startswith('"') or _ANNOTATION.fullmatch(token):
      return token
    return " "

  return _TOKEN.sub(replace, text)


def exported_names(paths):
  """Names of the functions that |paths| declare or define with CEF_EXPORT."""
  names = set()
  for path in paths:
    # "#define CEF_EXPORT" followed by "#elif defined(...)" declares nothing.
    text = _DIRECTIVE.sub("", strip_comments(read(path)))
    for name in _EXPORTED_NAME.findall(text):
      names.add(name)
  return names


def files_under(root, suffixes):
  found = []
  for folder, _, files in os.walk(root):
    for name in files:
      if name.endswith(suffixes):
        found.append(os.path.join(folder, name))
  return sorted(found)


def library_side_sources(library_root):
  """The .cc files CEF compiles into libcef.dll on top of Chromium."""
  return files_under(os.path.join(library_root, "libcef_dll"), (".cc",))


def c_api_names(include_root, library_root):
  """CEF's C API as libcef.dll exports it: every function the library-side
  sources define with CEF_EXPORT and every one that include/internal/
  declares with it (strings, time, logging, tracing, threads)."""
  internal = files_under(os.path.join(include_root, "include", "internal"),
                         (".h",))
  return exported_names(library_side_sources(library_root)) | exported_names(
      internal)


def _matching(text, start, opening, closing):
  """Index just past the bracket that closes the one at |start|."""
  depth = 0
  for index in range(start, len(text)):
    if text[index] == opening:
      depth += 1
    elif text[index] == closing:
      depth -= 1
      if depth == 0:
        return index + 1
  raise ValueError("unbalanced %s in declaration" % opening)


def _split_top_level(text):
  """Splits a parameter list at the commas outside brackets and templates."""
  parts, depth, current = [], 0, ""
  for char in text:
    if char in "(<[":
      depth += 1
    elif char in ")>]":
      depth -= 1
    if char == "," and depth == 0:
      parts.append(current)
      current = ""
    else:
      current += char
  if current.strip():
    parts.append(current)
  return parts


class Function(object):
  """One C++ function of the API: |scope| is its class, or None."""

  def __init__(self, header, scope, result, name, parameters):
    self.header = header
    self.scope = scope
    self.result = result
    self.name = name
    self.parameters = parameters

  @property
  def qualified_name(self):
    return "%s::%s" % (self.scope, self.name) if self.scope else self.name


def _parse_declaration(header, scope, text):
  text = " ".join(text.split())
  if text.startswith("static "):
    text = text[len("static "):]
  open_paren = text.index("(")
  head = text[:open_paren].strip()
  name = re.search(r"(\w+)$", head).group(1)
  result = head[:-len(name)].strip()
  close_paren = _matching(text, open_paren, "(", ")")
  parameters = []
  for parameter in _split_top_level(text[open_paren + 1:close_paren - 1]):
    # A definition repeats no default argument.
    parameters.append(parameter.split("=")[0].strip())
  return Function(header, scope, result, name, parameters)


def api_functions(header_path, header):
  """The static methods and namespace-scope functions that |header_path|
  marks for the translator; |header| is its include path."""
  text = strip_comments(read(header_path))
  functions = []
  scopes = []  # One entry per open brace: a class name or None.
  pending_class = None
  index = 0
  while index < len(text):
    char = text[index]
    if char == "{":
      line_start = text.rfind(";", 0, index) + 1
      head = text[max(line_start, text.rfind("}", 0, index) + 1):index]
      match = _CLASS_HEAD.search(head.replace("\n", " "))
      scopes.append(match.group(1) if match else None)
      # The body of an inline function is no scope for declarations.
      if not match and re.search(r"\)\s*(const\s*)?(override\s*)?$", head):
        index = _matching(text, index, "{", "}")
        scopes.pop()
        continue
    elif char == "}":
      if scopes:
        scopes.pop()
    elif text.startswith("/*--cef(", index):
      annotation = _ANNOTATION.match(text, index)
      end = annotation.end()
      declaration_end = min(
          i for i in (text.find(";", end), text.find("{", end)) if i >= 0)
      declaration = text[end:declaration_end].strip()
      class_scopes = [s for s in scopes if s]
      scope = class_scopes[-1] if class_scopes else None
      at_namespace_scope = all(s is None for s in scopes)
      if declaration.startswith("static ") and scope:
        functions.append(_parse_declaration(header, scope, declaration))
      elif at_namespace_scope and "(" in declaration and not re.match(
          r"(class|struct|typedef|enum)\b", declaration):
        functions.append(_parse_declaration(header, None, declaration))
      index = end
      continue
    index += 1
  return functions


def all_api_functions(include_root):
  functions = []
  include_dir = os.path.join(include_root, "include")
  for path in files_under(include_dir, (".h",)):
    relative = os.path.relpath(path, include_root).replace(os.sep, "/")
    if "/capi/" in relative or "/internal/" in relative or (
        "/base/" in relative) or "/wrapper/" in relative:
      continue
    functions.extend(api_functions(path, relative))
  return functions


def write_if_changed(path, text):
  """Writes |text| to |path| unless it already holds it, so that running a
  generator again rebuilds nothing."""
  try:
    if read(path) == text:
      return
  except OSError:
    pass
  os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
  with open(path, "w", encoding="utf-8", newline="\n") as f:
    f.write(text)
