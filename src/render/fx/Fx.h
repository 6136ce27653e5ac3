#pragma once

#include <cstdint>

// The effect runtime: ".fx" text compiled into GLSL 1.20 programs, grouped in techniques
// of passes with render states, over parameters whose values live in the effect. It knows
// nothing of the game and reports through its context only: an error code with a handler,
// and a listing of what went wrong in the last compile or validation.
//
// Handles are pointers to the runtime's objects; "none" is nullptr, and every operation
// accepts none (queries then answer none, false or 0; setters raise an error). Objects
// belong to their effect, effects to the caller until destroyEffect, contexts to the
// caller until destroyContext. Every call that touches GL needs a current GL context with
// its entry points loaded.
namespace nimbus::fx {

struct Context;
struct Effect;
struct Technique;
struct Pass;
struct Parameter;
struct Program;
struct Input;

// The context's error codes; 0 is none.
enum ErrorCode : int {
    kNoError = 0,
    kInvalidHandle = 1,
    kWrongParameterType = 2,
    kArrayIndexOutOfRange = 3,
    kNotAnArray = 4,
    kCompileFailed = 5,
    kGlError = 6,
    kNotValidated = 7,
};

using ErrorHandler = void (*)(int code, void* user);

// Context ---------------------------------------------------------------------------

// A new context, or none when out of memory.
Context* createContext();
// Destroys the context; its effects must be destroyed first.
void destroyContext(Context* context);
// Calls `handler(code, user)` whenever an error is raised; none removes it.
void setErrorHandler(Context* context, ErrorHandler handler, void* user);
// The text of an error code; "Unknown error" for codes it does not know.
const char* errorString(int code);
// Returns the last error raised in the context and clears it (0 = none).
int getError(Context* context);
// Makes pass render states known to the context; effects that set render states compile
// only in a context that has them.
void registerStates(Context* context);

// Compiling -------------------------------------------------------------------------

// Parses zero-terminated effect text; none on a parse error (the listing says where).
Effect* createEffect(Context* context, const char* text);
// The listing of the last createEffect or validateTechnique of the context, or none when
// it had nothing to say.
const char* lastListing(Context* context);
Technique* firstTechnique(Effect* effect);
Technique* nextTechnique(Technique* technique);
// Compiles and links the programs of every pass; false when any fails (the GL info log
// goes into the listing). Compiled programs are kept, so a second call is cheap.
bool validateTechnique(Technique* technique);
// Destroys the effect and every GL object it made.
void destroyEffect(Effect* effect);

// Techniques and passes ---------------------------------------------------------------

Technique* namedTechnique(Effect* effect, const char* name);
const char* techniqueName(Technique* technique);
bool isTechniqueValidated(Technique* technique);
Pass* firstPass(Technique* technique);
// True exactly for a pass handle.
bool isPass(Pass* pass);
// Makes the pass's program current, uploads the parameter values that changed since its
// last use, binds the samplers' textures (one unit per sampler, in declaration order) and
// applies the pass's render states, remembering what they were.
void setPassState(Pass* pass);
// Puts back each render state the pass set, unbinds the textures, makes program 0 current.
void resetPassState(Pass* pass);
Pass* nextPass(Pass* pass);

// Parameters --------------------------------------------------------------------------

Parameter* namedParameter(Effect* effect, const char* name);
Parameter* parameterBySemantic(Effect* effect, const char* semantic);
// Set the first 1, 3 or 4 components of a float or vector parameter (the rest keep
// their values); any other kind raises kWrongParameterType. Arrays take elements.
void setParameter1f(Parameter* parameter, float x);
void setParameter3f(Parameter* parameter, float x, float y, float z);
void setParameter4fv(Parameter* parameter, const float* values);
// Sets a mat4 from 16 column-major floats.
void setMatrixParameterfc(Parameter* parameter, const float* values);
// The declared element count of an array parameter; 0 for a non-array.
int32_t arraySize(Parameter* parameter);
// Element i of an array parameter, or none (raising an error) out of range.
Parameter* arrayElement(Parameter* parameter, int32_t index);
// Binds a GL texture name to a sampler parameter; 0 leaves its unit empty.
void setupSampler(Parameter* parameter, uint32_t glTexture);
void disableSampler(Parameter* parameter);

// Vertex inputs -----------------------------------------------------------------------

// The vertex program a pass names in its VertexProgram state.
Program* passVertexProgram(Pass* pass);
// The program's attributes in declaration order.
Input* firstInput(Program* program);
Input* nextInput(Input* input);
// The semantic the attribute was declared with ("" when none).
const char* inputSemantic(Input* input);
// Points the attribute at vertex data; unsigned bytes are normalised to 0 .. 1.
void setInputPointer(Input* input, int32_t components, uint32_t glType, int32_t stride, const void* address);
void enableInput(Input* input);
void disableInput(Input* input);

}  // namespace nimbus::fx
