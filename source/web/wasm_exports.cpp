// The WebAssembly module's two calls. Each answer stays valid until the
// next call; the page copies it into a JavaScript string at once.

#include "web_engine.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

std::string lastAnswer;

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* corvane_answer(const char* request)
{
    lastAnswer = corvane::web::Answer(request);
    return lastAnswer.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* corvane_vocabulary(const char* languageCode)
{
    lastAnswer = corvane::web::Vocabulary(languageCode);
    return lastAnswer.c_str();
}
}
