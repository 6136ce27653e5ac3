#include <new>

#include "render/fx/Objects.h"

namespace nimbus::fx {

namespace {

struct ErrorText {
    int code;
    const char* text;
};

const ErrorText kErrorTexts[] = {
    {kNoError, "No error"},
    {kInvalidHandle, "Invalid handle"},
    {kWrongParameterType, "The parameter is not of the type the call sets"},
    {kArrayIndexOutOfRange, "Array index out of range"},
    {kNotAnArray, "The parameter is not an array"},
    {kCompileFailed, "The effect failed to compile"},
    {kGlError, "OpenGL reported an error"},
    {kNotValidated, "The technique of the pass was not validated"},
};

}  // namespace

void raise(Context* context, int code) {
    if (!context) return;
    context->error = code;
    if (context->handler) context->handler(code, context->user);
}

Context* createContext() { return new (std::nothrow) Context; }

void destroyContext(Context* context) { delete context; }

void setErrorHandler(Context* context, ErrorHandler handler, void* user) {
    if (!context) return;
    context->handler = handler;
    context->user = user;
}

const char* errorString(int code) {
    for (const ErrorText& e : kErrorTexts) {
        if (e.code == code) return e.text;
    }
    return "Unknown error";
}

int getError(Context* context) {
    if (!context) return kNoError;
    const int code = context->error;
    context->error = kNoError;
    return code;
}

void registerStates(Context* context) {
    if (context) context->statesRegistered = true;
}

const char* lastListing(Context* context) {
    if (!context || context->listing.empty()) return nullptr;
    return context->listing.c_str();
}

}  // namespace nimbus::fx
