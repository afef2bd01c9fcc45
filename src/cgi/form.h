// The CGI environment and the decoded form fields of the request.
#pragma once

#include <string>

void ReadCgiEnvironment();
void ReadFormData();
void SplitFormPairs(const std::string& text);
std::string UrlDecode(const std::string& text);
// The value of a field (repeated fields joined by ";"), escaped for HTML
// except for ACTION, XAI and IAX.
std::string GetCgiValue(const std::string& name);
std::string EscapeFormValue(const std::string& text);
// For a value carried back in a hidden field: it was escaped when first
// typed, so it holds references but never a raw "<", quote or the like;
// those a hand-made request brings are escaped, the references are kept.
std::string EscapeCarriedValue(const std::string& text);
