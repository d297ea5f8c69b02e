#pragma once

// Puts every transfer class into the unmarshaller's registry, so that any of their names is known
// wherever a marshalled object arrives. Safe to call more than once, from any thread.
void registerTransferClasses();
