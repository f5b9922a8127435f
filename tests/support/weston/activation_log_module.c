/* A weston module for the desktop program's Wayland test: it offers
 * xdg_activation_v1, which weston itself does not, hands out numbered
 * tokens and writes every activation request ("activate TOKEN") as a line
 * to the file named by $HALVO_ACTIVATION_LOG, so the test can see which
 * token a client raised its window with. */

#include <libweston/libweston.h>
#include <wayland-server.h>

#include <stdio.h>
#include <stdlib.h>

#include "xdg-activation-v1-server-protocol.h"

static FILE *activation_log;
static unsigned tokens_issued;

static void write_line(const char *what, const char *token)
{
	if (activation_log == NULL)
		return;
	fprintf(activation_log, "%s %s\n", what, token);
	fflush(activation_log);
}

static void destroy_resource(struct wl_client *client, struct wl_resource *resource)
{
	(void)client;
	wl_resource_destroy(resource);
}

static void token_set_serial(struct wl_client *client, struct wl_resource *resource,
			     uint32_t serial, struct wl_resource *seat)
{
	(void)client; (void)resource; (void)serial; (void)seat;
}

static void token_set_app_id(struct wl_client *client, struct wl_resource *resource,
			     const char *app_id)
{
	(void)client; (void)resource; (void)app_id;
}

static void token_set_surface(struct wl_client *client, struct wl_resource *resource,
			      struct wl_resource *surface)
{
	(void)client; (void)resource; (void)surface;
}

static void token_commit(struct wl_client *client, struct wl_resource *resource)
{
	char token[64];
	(void)client;
	snprintf(token, sizeof token, "weston-test-token-%u", ++tokens_issued);
	write_line("issued", token);
	xdg_activation_token_v1_send_done(resource, token);
}

static const struct xdg_activation_token_v1_interface token_implementation = {
	.set_serial = token_set_serial,
	.set_app_id = token_set_app_id,
	.set_surface = token_set_surface,
	.commit = token_commit,
	.destroy = destroy_resource,
};

static void get_activation_token(struct wl_client *client, struct wl_resource *resource,
				 uint32_t id)
{
	struct wl_resource *token = wl_resource_create(
		client, &xdg_activation_token_v1_interface, wl_resource_get_version(resource), id);
	if (token == NULL) {
		wl_client_post_no_memory(client);
		return;
	}
	wl_resource_set_implementation(token, &token_implementation, NULL, NULL);
}

static void activate(struct wl_client *client, struct wl_resource *resource, const char *token,
		     struct wl_resource *surface)
{
	(void)client; (void)resource; (void)surface;
	write_line("activate", token);
}

static const struct xdg_activation_v1_interface activation_implementation = {
	.destroy = destroy_resource,
	.get_activation_token = get_activation_token,
	.activate = activate,
};

static void bind_activation(struct wl_client *client, void *data, uint32_t version, uint32_t id)
{
	struct wl_resource *resource =
		wl_resource_create(client, &xdg_activation_v1_interface, version, id);
	(void)data;
	if (resource == NULL) {
		wl_client_post_no_memory(client);
		return;
	}
	wl_resource_set_implementation(resource, &activation_implementation, NULL, NULL);
}

WL_EXPORT int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[])
{
	const char *path = getenv("HALVO_ACTIVATION_LOG");
	(void)argc; (void)argv;
	if (path != NULL && path[0] != '\0')
		activation_log = fopen(path, "a");
	if (wl_global_create(compositor->wl_display, &xdg_activation_v1_interface, 1, NULL,
			     bind_activation) == NULL)
		return -1;
	return 0;
}
