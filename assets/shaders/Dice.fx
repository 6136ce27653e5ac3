// The die, the pick-ups and the arrows: their pictures lit from above, with the room
// reflected in them. The reflection comes from a sphere map looked up by the reflected
// view ray in the camera's frame, strongest at grazing angles, so faces seen head-on
// keep their colour while edges and tilted faces shine. With g_symbols at 1 the die
// shows its colour symbols: the symbol texture has the die texture's layout, a face to a
// cell, four across and two down, and each symbol takes the middle of its face.

uniform mat4 g_viewProjection;
uniform mat4 g_view;
uniform mat4 g_modelTransform;
uniform sampler2D g_diffuseTexture;
uniform sampler2D g_envmapTexture;
uniform sampler2D g_symbolTexture;
uniform float g_symbols;
uniform vec3 g_cameraX;
uniform vec3 g_cameraY;
uniform vec3 g_cameraPosition;

shared {
    varying vec2 v_uv;
    varying vec3 v_normal;
    varying vec3 v_world;
}

vertex GlossyVS {
    attribute vec3 position : POSITION;
    attribute vec3 normal   : NORMAL;
    attribute vec2 uv       : TEXCOORD0;
    void main() {
        vec4 world = g_modelTransform * vec4(position, 1.0);
        v_uv = uv;
        v_normal = mat3(g_modelTransform) * normal;
        v_world = world.xyz;
        gl_Position = g_viewProjection * world;
    }
}

fragment GlossyFS {
    void main() {
        const vec3 light = vec3(-0.267, 0.802, -0.535);
        vec3 n = normalize(v_normal);
        vec3 toEye = normalize(g_cameraPosition - v_world);
        vec3 r = reflect(-toEye, n);
        vec3 back = cross(g_cameraX, g_cameraY);
        vec3 seen = vec3(dot(r, g_cameraX), dot(r, g_cameraY), dot(r, back));
        float m = 2.0 * sqrt(seen.x * seen.x + seen.y * seen.y + (seen.z + 1.0) * (seen.z + 1.0));
        vec3 room = texture2D(g_envmapTexture, vec2(0.5 + seen.x / m, 0.5 - seen.y / m)).rgb;
        vec3 base = texture2D(g_diffuseTexture, v_uv).rgb;
        if (g_symbols > 0.5) {
            vec2 cells = v_uv * vec2(4.0, 2.0);
            vec2 local = clamp((fract(cells) - 0.5) * 1.3 + 0.5, 0.02, 0.98);
            vec4 mark = texture2D(g_symbolTexture, (floor(cells) + local) / vec2(4.0, 2.0));
            base = mix(base, mark.rgb, mark.a);
        }
        float diffuse = max(dot(n, light), 0.0);
        vec3 lit = base * (0.5 + 0.6 * diffuse);
        float facing = max(dot(n, toEye), 0.0);
        float gloss = 0.08 + 0.22 * pow(1.0 - facing, 3.0);
        float highlight = pow(max(dot(r, light), 0.0), 48.0) * 0.6;
        gl_FragColor = vec4(mix(lit, room, gloss) + vec3(highlight), 1.0);
    }
}

// A ghost: the die's picture washed towards a pale blue and lit alike, see-through but
// for its rim, so that its outline reads over any tile and what lies behind shows.
fragment GhostFS {
    void main() {
        const vec3 light = vec3(-0.267, 0.802, -0.535);
        vec3 n = normalize(v_normal);
        vec3 toEye = normalize(g_cameraPosition - v_world);
        vec3 base = mix(texture2D(g_diffuseTexture, v_uv).rgb, vec3(0.75, 0.88, 1.0), 0.55);
        float lit = 0.55 + 0.5 * max(dot(n, light), 0.0);
        float rim = pow(1.0 - max(dot(n, toEye), 0.0), 2.0);
        gl_FragColor = vec4(base * lit + vec3(0.3, 0.4, 0.5) * rim, 0.4 + 0.4 * rim);
    }
}

technique Technique1 {
    pass {
        VertexProgram = GlossyVS;
        FragmentProgram = GlossyFS;
        DepthTestEnable = true;
        DepthMask = true;
        BlendEnable = false;
        CullFaceEnable = true;
        CullFace = Back;
    }
}

// Drawn after everything solid: it hides nothing behind it from what comes later.
technique Ghost {
    pass {
        VertexProgram = GlossyVS;
        FragmentProgram = GhostFS;
        DepthTestEnable = true;
        DepthMask = false;
        BlendEnable = true;
        BlendFunc = (SrcAlpha, OneMinusSrcAlpha);
        CullFaceEnable = true;
        CullFace = Back;
    }
}
