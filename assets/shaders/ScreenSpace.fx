// Everything flat: GUI panes, text, the HUD and the backdrop. Vertices come in GUI
// coordinates (x from -4/3 to 4/3, y from -1 to 1 on the 4:3 screen) and are mapped to
// clip space by the viewport scale and offset. The 2-D layer ignores depth and draws both
// windings, since callers give the corners of a quad in whatever order suits them; only
// a backdrop lies at the far end of the depth range, behind the scene drawn before it.

uniform vec3 g_viewport_scale;
uniform vec3 g_viewport_offset;
uniform sampler2D g_diffuseTexture;

shared {
    varying vec2 v_uv;
    varying vec4 v_color;
}

vertex ScreenVS {
    attribute vec2 position : POSITION;
    attribute vec2 uv       : TEXCOORD0;
    attribute vec4 color    : COLOR0;
    void main() {
        v_uv = uv;
        v_color = color;
        gl_Position = vec4(position * g_viewport_scale.xy + g_viewport_offset.xy, 0.0, 1.0);
    }
}

vertex BehindVS {
    attribute vec2 position : POSITION;
    attribute vec2 uv       : TEXCOORD0;
    attribute vec4 color    : COLOR0;
    void main() {
        v_uv = uv;
        v_color = color;
        gl_Position = vec4(position * g_viewport_scale.xy + g_viewport_offset.xy, 1.0, 1.0);
    }
}

fragment TexturedFS {
    void main() { gl_FragColor = texture2D(g_diffuseTexture, v_uv) * v_color; }
}

// A quad without a texture shows only its outline in its own colour, so a texture that
// failed to load is seen as a frame instead of a silent gap.
fragment OutlineFS {
    void main() { gl_FragColor = v_color; }
}

// Ordinary transparency.
technique Blend {
    pass {
        VertexProgram = ScreenVS;
        FragmentProgram = TexturedFS;
        BlendEnable = true;
        BlendFunc = (SrcAlpha, OneMinusSrcAlpha);
        DepthTestEnable = false;
        DepthMask = false;
        CullFaceEnable = false;
    }
}

// Light added to what is below, so a glow layer brightens the picture under it and never
// darkens it.
technique Glow {
    pass {
        VertexProgram = ScreenVS;
        FragmentProgram = TexturedFS;
        BlendEnable = true;
        BlendFunc = (SrcAlpha, One);
        DepthTestEnable = false;
        DepthMask = false;
        CullFaceEnable = false;
    }
}

// A backdrop: opaque, and only where nothing nearer has been drawn since the depth was
// cleared, so the pixels the scene covers are never shaded twice.
technique Behind {
    pass {
        VertexProgram = BehindVS;
        FragmentProgram = TexturedFS;
        BlendEnable = false;
        DepthTestEnable = true;
        DepthFunc = LEqual;
        DepthMask = false;
        CullFaceEnable = false;
    }
}

technique Wireframe {
    pass {
        VertexProgram = ScreenVS;
        FragmentProgram = OutlineFS;
        BlendEnable = true;
        BlendFunc = (SrcAlpha, OneMinusSrcAlpha);
        DepthTestEnable = false;
        DepthMask = false;
        CullFaceEnable = false;
        PolygonMode = Line;
        LineWidth = 1;
    }
}
