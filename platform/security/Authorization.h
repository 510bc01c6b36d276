#pragma once
// Authorization Services: the administrator right and starting an executable
// with it. PLATFORM_AUTH decides how the right is obtained (grant, deny, sudo,
// pkexec). A privileged start returns at once, never waits and leaves no zombie;
// every start is written to the transcript ("exec", or "auth-denied").
// On an emulated Mac OS 9, which has no users, the right is always held and a
// start is a plain start.

#include <cstdio>

#include "core/MacTypes.h"

struct AuthorizationOpaqueRef;
using AuthorizationRef = AuthorizationOpaqueRef*;
using AuthorizationFlags = UInt32;

enum : AuthorizationFlags {
    kAuthorizationFlagDefaults = 0,
    kAuthorizationFlagInteractionAllowed = 0x01,
    kAuthorizationFlagExtendRights = 0x02,
    kAuthorizationFlagPreAuthorize = 0x10,
    kAuthorizationFlagDestroyRights = 0x08,
};

struct AuthorizationItem {
    const char* name;
    size_t valueLength;
    void* value;
    UInt32 flags;
};

struct AuthorizationItemSet {
    UInt32 count;
    AuthorizationItem* items;
};
using AuthorizationRights = AuthorizationItemSet;
using AuthorizationEnvironment = AuthorizationItemSet;

#define kAuthorizationRightExecute "system.privilege.admin"

OSStatus AuthorizationCreate(const AuthorizationRights* rights, const AuthorizationEnvironment* environment,
                             AuthorizationFlags flags, AuthorizationRef* authorization);
OSStatus AuthorizationCopyRights(AuthorizationRef authorization, const AuthorizationRights* rights,
                                 const AuthorizationEnvironment* environment, AuthorizationFlags flags,
                                 AuthorizationRights** authorizedRights);
OSStatus AuthorizationExecuteWithPrivileges(AuthorizationRef authorization, const char* pathToTool,
                                            AuthorizationFlags options, char* const* arguments,
                                            FILE** communicationsPipe);
OSStatus AuthorizationFree(AuthorizationRef authorization, AuthorizationFlags flags);
